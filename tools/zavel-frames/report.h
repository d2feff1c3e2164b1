#ifndef ZAVEL_FRAMES_REPORT_H
#define ZAVEL_FRAMES_REPORT_H

// The printed report: every figure's percentiles, and as the last line the four figures scripts read.

#include "actionclock.h"
#include "frameclock.h"

#include <string>

struct RunFacts
{
    std::string renderer;
    int games = 0;
    int delayMs = 0;
    long long ownMoves = 0;
    double seconds = 0;
};

void printReport(const RunFacts &run, const FrameClock::Results &frames, const ActionClock::Results &actions,
                 const Series &saveTimes);

#endif
