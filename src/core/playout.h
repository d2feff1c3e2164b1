#ifndef ZAVEL_PLAYOUT_H
#define ZAVEL_PLAYOUT_H

// Plays a game out from what a seat sees and a guess at what it does not: the view's table and own hand, the guessed
// hands and talon, the seat's first action, and then every seat driven like a computer seat by the self-play
// driver, each at the level the table shows (Hard where it shows none, and for the view's own seat).
//
// One scratch GameCore is set again for every play-out, so its lists keep their room and nothing is allocated per
// game but what the rules operations make. Its random engine, seeded once, decides only the tie-breaks and
// reshuffles of the play-outs; every action tried on the same guess starts from the same state of it, so that
// the actions are compared on the same luck as far as their games run alike.

#include "gamecore.h"
#include "handsampler.h"
#include "seatview.h"
#include "selfplay.h"

#include <cstdint>

namespace Zavel {

class Playout
{
public:
    Playout(const SeatView &view, std::uint32_t seed);

    // The game the view and the guess make, ready for its next action.
    GameCore &table(const HiddenDeal &deal);

    // Moves the random engine on to fresh luck for the play-outs of the next guess.
    void nextGuess();

    // Plays `first` for the view's seat at the table of the guess and the game out from there: true when the seat
    // wins. An action the rules refuse, or a game beyond the action cap, counts as lost.
    bool wins(const HiddenDeal &deal, const AiAction &first);

private:
    SeatView m_view;
    GameCore m_core;
    std::mt19937 m_luck; // where the random engine starts for each play-out of the current guess
    SelfPlaySetup m_drive; // the levels the play-outs drive the seats at
};

} // namespace Zavel

#endif
