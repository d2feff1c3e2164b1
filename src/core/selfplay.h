#ifndef ZAVEL_SELFPLAY_H
#define ZAVEL_SELFPLAY_H

// Plays a game with every seat, seat 0 included, driven the way the engine drives a computer seat: declare
// Zavel when holding two cards, then apply the action chooseAiAction picks, or for a seat at ExpertLevel the one
// expertAction picks from the seat's view and the game's records. The simulator, the benchmarks and the soak tests
// all play games this way.
//
// The Expert reads the records of its game: with an Expert seat the driver keeps them even when the caller does
// not ask for them, and an empty list is begun with the deal's record (or, for a game already under way, a restore
// record). Every seat's level shows in the Expert's view. Unless told otherwise it has no time limit, so that a
// game plays the same at any speed.

#include "expert.h"
#include "gamecore.h"
#include "moverecord.h"

#include <ostream>
#include <vector>

namespace Zavel {

struct SelfPlaySetup
{
    std::vector<int> levels; // AiDifficulty code or ExpertLevel per seat
    std::vector<bool> forgetful; // per seat: never declares Zavel
    long long maxActions = 10000;
    std::ostream *trace = nullptr; // one line per event when set
    // When set, the records of every declaration and action are added (with an Expert seat, to a list begun as said
    // above).
    std::vector<MoveRecord> *records = nullptr;
    ExpertSettings expert{0, NoTimeLimit, {}}; // of the Expert seats: the budget alone decides
};

struct SelfPlayOutcome
{
    long long actions = 0; // applied plays, draws, accepted penalties and choices; declarations excluded
    bool stalled = false; // the run ended on an action of type None or one the rules refused
};

SelfPlayOutcome playSelf(GameCore &core, const SelfPlaySetup &setup);

} // namespace Zavel

#endif
