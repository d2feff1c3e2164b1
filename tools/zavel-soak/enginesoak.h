#ifndef ZAVEL_SOAK_ENGINESOAK_H
#define ZAVEL_SOAK_ENGINESOAK_H

// Soak of GameEngine with its autosave: whole games with animations off and no delay, the autosave checked at
// the end of every phase, and every game resumed once from its autosave (see enginesoak.cpp). Needs a
// QCoreApplication whose data directory is a throw-away one.

namespace Soak {

struct EngineTotals
{
    long long games = 0;
    long long checkpoints = 0; // ends of phases at which the autosave was restored and compared
    long long resumed = 0; // games resumed from the autosave that went on exactly as the original
    long long unfinished = 0;
    long long failures = 0;
};

EngineTotals soakEngine(long long games);

} // namespace Soak

#endif
