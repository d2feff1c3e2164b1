#ifndef SEATMODEL_H
#define SEATMODEL_H

// The seats of the running game, seat 0 (the player) first, or from firstSeat on (1: the computer players): the
// name the texts use, the number of cards held, whether the seat is on turn, has declared Zavél! or holds one card.
// No seat's cards are shown here.
//
// lastTurn is what the seat did in its last turn, from the move journal: its records as the journal's rows give
// them, oldest first, until the seat moves again.
//
// shortName is the name as the table writes it: a name longer than 12 characters is cut and ends in "…", each cut
// just long enough to tell it from the other seats' names ("Kovács Ágnes" and "Kovács Ádám" stay apart).

#include "gameengine.h"
#include "movejournal.h"

#include <QAbstractListModel>
#include <QPointer>

#include <vector>

class SeatModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(MoveJournal *journal READ journal WRITE setJournal NOTIFY journalChanged)
    Q_PROPERTY(int firstSeat READ firstSeat WRITE setFirstSeat NOTIFY firstSeatChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // The choice the seat on turn owes after an Upper or a Lower: 0 none, 1 a suit, 2 a rank.
    Q_PROPERTY(int choiceOwed READ choiceOwed NOTIFY choiceOwedChanged)

public:
    enum Role {
        SeatRole = Qt::UserRole + 1,
        NameRole,
        ShortNameRole,
        IsHumanRole,
        HandCountRole,
        ActiveTurnRole,
        ZavelRole,
        OneCardRole,
        LastTurnRole
    };
    static constexpr int shortNameLength = 12;

    explicit SeatModel(QObject *parent = nullptr);

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    MoveJournal *journal() const { return m_journal; }
    void setJournal(MoveJournal *journal);
    int firstSeat() const { return m_firstSeat; }
    void setFirstSeat(int seat);
    int count() const { return static_cast<int>(m_seats.size()); }
    int choiceOwed() const { return m_choiceOwed; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // By seat number, whichever seats the rows hold, as the game is now: the name as the texts write it ("" for a
    // seat not at the table) and the number of cards held.
    Q_INVOKABLE QString name(int seat) const;
    Q_INVOKABLE QString shortName(int seat) const;
    Q_INVOKABLE int handCount(int seat) const;

    // Each name cut as shortName says, against all the others.
    static QStringList shortNames(const QStringList &names);

    void refresh();

signals:
    void engineChanged();
    void journalChanged();
    void firstSeatChanged();
    void countChanged();
    void choiceOwedChanged();

private:
    struct Seat
    {
        QString name;
        QString shortName;
        int handCount = 0;
        bool activeTurn = false;
        bool zavel = false;
        QVariantList lastTurn;
    };

    QVector<int> changedRoles(const Seat &was, const Seat &now) const;
    // Reads every seat's last turn from the journal again: only when the journal changes, not on every state.
    void readLastTurns();

    QStringList currentNames() const;

    QPointer<GameEngine> m_engine;
    QPointer<MoveJournal> m_journal;
    int m_firstSeat = 0;
    std::vector<Seat> m_seats; // from m_firstSeat on
    QVector<QVariantList> m_lastTurns; // by seat, as the journal last told them
    int m_choiceOwed = 0;
};

#endif
