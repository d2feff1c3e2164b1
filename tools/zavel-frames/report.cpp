#include "report.h"

#include <cstdio>

namespace {

void line(const char *what, const Series &series)
{
    std::printf("  %-34s %s\n", what, series.summary().c_str());
}

} // namespace

void printReport(const RunFacts &run, const FrameClock::Results &frames, const ActionClock::Results &actions,
                 const Series &saveTimes)
{
    std::printf("renderer: %s\n", run.renderer.c_str());
    std::printf("games: %d of 4 players, seat 0 played by the tool (%lld moves); computer delay %d ms, the tool's "
                "own delay the same; %.1f s\n",
                run.games, run.ownMoves, run.delayMs, run.seconds);
    std::printf("frames: %lld, of which %zu with an interval while animating", frames.frames,
                frames.animatedInterval.count());
    if (frames.untrackedStarts > 0)
        std::printf(" (%lld started outside an update request: polish not counted)", frames.untrackedStarts);
    std::printf("\n");
    line("work per frame", frames.work);
    line("  polish", frames.polish);
    line(frames.renderThread ? "  sync (render thread)" : "  sync", frames.sync);
    line(frames.renderThread ? "  render (render thread)" : "  render", frames.render);
    line(frames.renderThread ? "  swap (render thread)" : "  swap", frames.swap);
    if (frames.renderThread)
        line("interface thread per frame", frames.interfaceThread);
    line("interval while animating", frames.animatedInterval);
    std::printf("  %-34s over 16.7 ms: %.1f%%, over 33 ms: %.1f%%\n", "", frames.animatedInterval.percentAbove(16.7),
                frames.animatedInterval.percentAbove(33.0));

    std::printf("actions: interface thread from the action until back in the event loop\n");
    line("all actions", actions.all);
    for (int k = 0; k < actionKinds; ++k) {
        const Series &series = actions.byKind[k];
        line(actionKindName(static_cast<ActionKind>(k)), series);
        if (series.count() > 0)
            std::printf("  %-34s saves inside: %.2f per action\n", "",
                        static_cast<double>(actions.saves[k]) / static_cast<double>(series.count()));
    }
    if (actions.watchdogEnds > 0)
        std::printf("  phases ended by the engine's watchdog, not by the interface: %lld\n", actions.watchdogEnds);
    line("one save alone (persistGame)", saveTimes);
    line("other dispatches", actions.otherDispatches);
    std::printf("  %-34s over 4 ms: %.2f%%, over 16.7 ms: %.2f%%\n", "", actions.otherDispatches.percentAbove(4),
                actions.otherDispatches.percentAbove(16.7));

    std::printf("frames %lld; work p99 %.2f ms; interval p99 %.2f ms; action p99 %.2f ms\n", frames.frames,
                frames.work.percentile(99), frames.animatedInterval.percentile(99), actions.all.percentile(99));
    std::fflush(stdout);
}
