#ifndef ZAVELSIM_SIMGAME_H
#define ZAVELSIM_SIMGAME_H

// Plays a game with every seat, seat 0 included, driven the way the engine drives a computer seat: declare
// Zavel when holding two cards, then apply the action chooseAiAction picks.

#include "gamecore.h"

#include <ostream>
#include <vector>

namespace Sim {

struct SimSetup
{
    std::vector<int> levels; // AiDifficulty code per seat
    std::vector<bool> forgetful; // per seat: never declares Zavel
    long long maxActions = 10000;
    std::ostream *trace = nullptr; // one line per event when set
};

struct SimOutcome
{
    long long actions = 0; // applied plays, draws, accepted penalties and choices; declarations excluded
    bool stalled = false; // the run ended on an action of type None or one the rules refused
};

SimOutcome playGame(Zavel::GameCore &core, const SimSetup &setup);

} // namespace Sim

#endif
