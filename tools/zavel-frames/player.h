#ifndef ZAVEL_FRAMES_PLAYER_H
#define ZAVEL_FRAMES_PLAYER_H

// Plays seat 0 by itself through the engine's QML-visible operations, for a number of whole 4-player games,
// while the interface animates every phase and completes it. Before each game it may deal anew a few times, so
// that new deals are timed often enough to have a tail. It acts a fixed delay after the input opens (the
// same delay the computer players wait), always the same way: a requested suit or rank from its first card, a
// declaration when one is allowed, else its first playable card, else the penalty, else a draw.
//
// Between its moves it also times one save of the running game (persistGame rewrites the same state), to show
// what the saves inside the actions cost. A game that stops changing for 20 s ends the run with an error.

#include "stats.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class ActionClock;
class GameEngine;

class Player : public QObject
{
public:
    Player(GameEngine *engine, ActionClock *actions, int games, int extraDeals, int delayMs);

    // Called once the window shows its first frame: 4 players, animations on, the delay, and the first game.
    void start(const std::function<void()> &beforeFirstGame);

    int gamesPlayed() const { return m_gamesPlayed; }
    long long moves() const { return m_moves; }
    const Series &saveTimes() const { return m_saveTimes; }
    const QString &failure() const { return m_failure; }

private:
    void engineChanged();
    bool readyToAct() const;
    void think();
    void act();
    void checkProgress();
    void finish(const QString &failure);

    GameEngine *m_engine;
    ActionClock *m_actions;
    int m_games;
    int m_extraDeals;
    int m_dealsLeft = 0;
    int m_gamesPlayed = 0;
    long long m_moves = 0;
    bool m_started = false;
    qint64 m_lastChangeNs = 0;
    QTimer m_thinkTimer;
    QTimer m_actTimer;
    QTimer m_watch;
    Series m_saveTimes;
    QString m_failure;
};

#endif
