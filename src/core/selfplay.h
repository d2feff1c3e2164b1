#ifndef ZAVEL_SELFPLAY_H
#define ZAVEL_SELFPLAY_H

// Plays a game with every seat, seat 0 included, driven the way the engine drives a computer seat: declare
// Zavel when holding two cards, then apply the action chooseAiAction picks. The simulator, the benchmarks and
// the soak tests all play games this way.

#include "gamecore.h"
#include "moverecord.h"

#include <ostream>
#include <vector>

namespace Zavel {

struct SelfPlaySetup
{
    std::vector<int> levels; // AiDifficulty code per seat
    std::vector<bool> forgetful; // per seat: never declares Zavel
    long long maxActions = 10000;
    std::ostream *trace = nullptr; // one line per event when set
    std::vector<MoveRecord> *records = nullptr; // when set, the records of every declaration and action are added
};

struct SelfPlayOutcome
{
    long long actions = 0; // applied plays, draws, accepted penalties and choices; declarations excluded
    bool stalled = false; // the run ended on an action of type None or one the rules refused
};

SelfPlayOutcome playSelf(GameCore &core, const SelfPlaySetup &setup);

} // namespace Zavel

#endif
