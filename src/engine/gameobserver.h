#ifndef GAMEOBSERVER_H
#define GAMEOBSERVER_H

// What the engine tells the objects beside it (the move journal, a computer player thinking ahead) of every move
// it applies: the move's records, once the move is saved and its animation has been requested, so that the
// interface hears of the move in the engine's own order. An observer must not call back into the engine from
// here; one that changes what the interface shows does so from the event loop.

#include "moverecord.h"

#include <vector>

class GameObserver
{
public:
    // A deal, a restore, a declaration or an applied action with what came with it, in order.
    virtual void recorded(const std::vector<Zavel::MoveRecord> &records) = 0;

protected:
    ~GameObserver() = default;
};

#endif
