#ifndef ENGINELINK_H
#define ENGINELINK_H

// The objects beside the engine read it through core() and follow its stateChanged; linkEngine points one of
// them at another engine (or none), leaving the previous one. QPointer: QML may destroy the engine first.

#include "gameengine.h"

#include <QPointer>

template<typename Follower> bool linkEngine(Follower *follower, QPointer<GameEngine> *current, GameEngine *engine)
{
    if (*current == engine)
        return false;
    if (*current)
        QObject::disconnect(*current, nullptr, follower, nullptr);
    *current = engine;
    if (engine)
        QObject::connect(engine, &GameEngine::stateChanged, follower, &Follower::refresh);
    return true;
}

#endif
