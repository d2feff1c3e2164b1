#ifndef SEATCHOOSER_H
#define SEATCHOOSER_H

// A computer seat that decides by itself instead of by the rules' own levels: the Expert. The engine asks a
// seat's chooser for the seat's action at the seat's turn, in place of the level's choice, and carries the
// action out as any other; the save, the texts and the animation stay the same.
//
// A chooser thinks ahead: prepare() comes when the engine arms its timer for the seat, with the game as it will
// be when the seat moves (after its automatic declaration), so that the thinking fits into the computer's delay
// and never holds up the interface. When the timer fires the engine asks for the answer; a chooser that is not
// ready yet, or finds the game changed since it began, says so and calls GameEngine::seatChooserReady() once it
// has an answer for the game as it is.

#include "gamecore.h"

class SeatChooser
{
public:
    virtual void prepare(const Zavel::GameCore &game, int seat) = 0;
    // True, with the action, when the answer for exactly this game is ready.
    virtual bool answer(const Zavel::GameCore &game, int seat, Zavel::AiAction *action) = 0;

protected:
    ~SeatChooser() = default;
};

#endif
