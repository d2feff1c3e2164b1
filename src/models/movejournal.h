#ifndef MOVEJOURNAL_H
#define MOVEJOURNAL_H

// The records of the running game as the player saw them, for the move log: one row a record (a play, a draw, a
// request, a declaration, the deal ...), oldest first. The engine tells the journal of every move; the rows follow
// from the event loop, so that no view's work runs inside a move. The journal is kept in a file beside the
// autosave (JournalFile) and comes back with a restored game when it belongs to it.
//
// It also names the game: gameId is the same for a game from its deal to its end, across restarts, and differs
// between games, so that the statistics count a finished game once; untouched says that nobody has acted yet.

#include "gameengine.h"
#include "journalfile.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

class MoveJournal : public QAbstractListModel, private GameObserver
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(QString gameId READ gameId NOTIFY gameChanged)
    Q_PROPERTY(bool untouched READ untouched NOTIFY gameChanged)
    // The player's own last turn, as lastTurn(0) gives it.
    Q_PROPERTY(QVariantList playerTurn READ playerTurn NOTIFY playerTurnChanged)

public:
    enum Role { KindRole = Qt::UserRole + 1, SeatRole, CardsRole, CountRole, OwedRole, ChoiceRole };
    // The kinds of record, as the rows' kind role gives them.
    enum Kind {
        Deal = int(Zavel::MoveKind::Deal),
        Restore = int(Zavel::MoveKind::Restore),
        Play = int(Zavel::MoveKind::Play),
        Draw = int(Zavel::MoveKind::Draw),
        PenaltyTaken = int(Zavel::MoveKind::PenaltyTaken),
        SkipTaken = int(Zavel::MoveKind::SkipTaken),
        SuitRequested = int(Zavel::MoveKind::SuitRequested),
        RankRequested = int(Zavel::MoveKind::RankRequested),
        Declaration = int(Zavel::MoveKind::Declaration),
        ForgottenDeclaration = int(Zavel::MoveKind::ForgottenDeclaration),
        Reshuffle = int(Zavel::MoveKind::Reshuffle),
        Win = int(Zavel::MoveKind::Win)
    };
    Q_ENUM(Kind)

    explicit MoveJournal(QObject *parent = nullptr);
    ~MoveJournal() override;

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    int count() const { return static_cast<int>(m_rows.size()); }
    QString gameId() const { return m_gameId; }
    bool untouched() const { return m_untouched; }
    QVariantList playerTurn() const { return m_playerTurn; }
    // The records of the game so far as the player saw them, with what has not reached the rows yet.
    const std::vector<Zavel::MoveRecord> &records() const { return m_records; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    Q_INVOKABLE QVariantMap get(int row) const;
    // The records of the seat's last turn among the rows, oldest first (a declaration, the play, a request ...),
    // as maps of the rows' roles; empty before the seat has acted in this game. A turn ends where another seat's
    // record comes; what happens to the table in between (a reshuffle, a restore) does not end it.
    Q_INVOKABLE QVariantList lastTurn(int seat) const;

    // The file the journal is kept in: beside the engine's autosave.
    QString filePath() const;

signals:
    void engineChanged();
    void countChanged();
    void gameChanged();
    void playerTurnChanged();

private:
    void recorded(const std::vector<Zavel::MoveRecord> &records) override;
    void startGame(const QString &gameId, std::vector<Zavel::MoveRecord> records, bool untouched);
    void resume(const std::vector<Zavel::MoveRecord> &records);
    void showPending();

    QPointer<GameEngine> m_engine;
    JournalFile m_file;
    std::vector<Zavel::MoveRecord> m_records; // everything, including what the rows do not show yet
    std::vector<Zavel::MoveRecord> m_rows;
    bool m_resetPending = false;
    QTimer m_show;
    QString m_gameId;
    bool m_untouched = false;
    QVariantList m_playerTurn;
};

#endif
