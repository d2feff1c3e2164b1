#ifndef ZAVEL_FRAMES_CLOCK_H
#define ZAVEL_FRAMES_CLOCK_H

// One monotonic clock for every timestamp of the tool, readable from the interface thread and the render thread
// alike, so that times taken on both can be subtracted.

#include <QtGlobal>

#include <chrono>

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double nsToMs(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

#endif
