#ifndef ZAVEL_EXPERT_H
#define ZAVEL_EXPERT_H

// The Expert: a computer player that decides from its seat's view and the history of the game, and from nothing
// else.
//
// It guesses the cards it cannot see many times over (HandSampler: at random, but in keeping with what every other
// seat did under its level), plays each of its possible actions out on every guess (Playout), and takes the action
// that won most often. Its own random stream is seeded from the view and the history alone, so the same visible
// situation always gets the same decision, whatever lies in the hidden cards and the game's random engine, which it
// never touches.
//
// The work is bounded by a budget of play-outs, which fixes the decision; the time limit only guards against a
// slow machine and, when it strikes, ends the search early with what it has, so that the decision then depends on
// the machine's speed. expertAction keeps no state between calls and shares none, so it may run on any thread with
// its own copies of the view and the history.

#include "gamecore.h"
#include "moverecord.h"
#include "seatview.h"

#include <chrono>
#include <functional>
#include <vector>

namespace Zavel {

// The Expert's level code, beside AiDifficulty's 0 to 3.
constexpr int ExpertLevel = 4;

// The budget of a decision at a table of playerCount seats when none is set: 4000 / playerCount play-outs (2000 at
// two players, 1000 at four), since a play-out at a larger table runs longer and its hands cost more to guess, so
// that a decision takes about as long at any table.
int defaultPlayouts(int playerCount);

// A time limit that never strikes: the decision then rests on the budget alone and is the same at any speed, as the
// simulator, the tests and the tournaments need.
constexpr std::chrono::microseconds NoTimeLimit = std::chrono::microseconds::max();

struct ExpertSettings
{
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    int playouts = 0; // the budget: play-outs per decision; 0 for defaultPlayouts
    std::chrono::microseconds timeLimit{30000}; // measured on clock from the start of the decision, or NoTimeLimit
    Clock clock; // steady_clock::now when empty
};

// What a decision cost, for tests and measurements.
struct ExpertReport
{
    int candidates = 0; // the actions weighed; 0 or 1 needs no play-out
    int deals = 0; // the guesses played out
    int playouts = 0;
    bool outOfTime = false; // the time limit ended the search before the budget
};

// The action of view.seat: a card, a draw, taking a penalty or skip, or the suit or rank owed. None when the seat
// has nothing to do (not its turn, the game over) or the view is inconsistent. history is the game's records from
// its deal (or restore) on, as any seat may see them; drawn cards named in them are not read. An empty history
// leaves the decision to the view alone.
AiAction expertAction(const SeatView &view, const std::vector<MoveRecord> &history,
                      const ExpertSettings &settings = ExpertSettings(), ExpertReport *report = nullptr);

} // namespace Zavel

#endif
