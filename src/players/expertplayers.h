#ifndef EXPERTPLAYERS_H
#define EXPERTPLAYERS_H

// The Expert at the table: the computer seats whose level is Expert decide through it, and the player may ask it
// for a hint.
//
// levels holds what the player chose for seats 1 to 3 (index 0 unused): the four levels of the rules, 0 to 3,
// and 4 for the Expert. The engine keeps playing the others by their level; for an Expert seat it holds Hard, and
// asks this object instead (SeatChooser). The Expert sees what the seat sees (Zavel::seatView) and the game's
// public history, which the move journal keeps, so a restored game decides as before.
//
// The thinking runs on a thread of its own during the computer's delay, from copies; the answer comes back to the
// interface's thread, and one thought for a game that has changed since is dropped. A hint is thought the same
// way, for seat 0, and changes nothing in the game: no save, no random draw, no move.

#include "expert.h"
#include "gameengine.h"
#include "movejournal.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QVariantList>
#include <QVariantMap>

#include <string>

class ExpertPlayers : public QObject, private SeatChooser
{
    Q_OBJECT
    Q_PROPERTY(GameEngine *engine READ engine WRITE setEngine NOTIFY engineChanged)
    Q_PROPERTY(MoveJournal *journal READ journal WRITE setJournal NOTIFY journalChanged)
    Q_PROPERTY(QVariantList levels READ levels WRITE setLevels NOTIFY levelsChanged)
    // The hint for the player's move now, once asked: { kind: "zavel", "card", "draw", "accept", "suit" or
    // "rank", handIndex, choice }; {} when there is none. It goes with the next change of the game.
    Q_PROPERTY(QVariantMap hint READ hint NOTIFY hintChanged)

public:
    explicit ExpertPlayers(QObject *parent = nullptr);
    ~ExpertPlayers() override;

    GameEngine *engine() const { return m_engine; }
    void setEngine(GameEngine *engine);
    MoveJournal *journal() const { return m_journal; }
    void setJournal(MoveJournal *journal);
    QVariantList levels() const { return m_levels; }
    void setLevels(const QVariantList &levels);
    QVariantMap hint() const { return m_hint; }

    // Thinks about the player's move now; the hint follows. Nothing when the player may not act now.
    Q_INVOKABLE void askHint();

    // The play-out budget of a decision; the default is the Expert's own.
    void setSettings(const Zavel::ExpertSettings &settings) { m_settings = settings; }

signals:
    void engineChanged();
    void journalChanged();
    void levelsChanged();
    void hintChanged();

private slots:
    void deliver(quint64 token, int type, int handIndex, int choice);

private:
    struct Thought
    {
        quint64 token = 0;
        std::string game; // the state text thought about
        bool ready = false;
        Zavel::AiAction action;
    };

    void prepare(const Zavel::GameCore &game, int seat) override;
    bool answer(const Zavel::GameCore &game, int seat, Zavel::AiAction *action) override;

    void think(Thought *thought, const Zavel::GameCore &game, int seat, bool declaring);
    std::vector<Zavel::MoveRecord> history(int seat, bool declaring) const;
    std::vector<int> tableLevels() const;
    void applyLevels();
    void clearHint();

    QPointer<GameEngine> m_engine;
    QPointer<MoveJournal> m_journal;
    QVariantList m_levels;
    Zavel::ExpertSettings m_settings;
    QThreadPool m_pool;
    quint64 m_nextToken = 1;
    Thought m_move;
    Thought m_hintThought;
    QVariantMap m_hint;
};

#endif
