#include "samples.h"

#include <cstdio>
#include <fstream>

namespace {

void write(std::ofstream &out, const std::string &figure, const Series &series)
{
    for (double ms : series.values())
        out << figure << ' ' << ms << '\n';
}

void line(const char *what, const Series &series)
{
    std::printf("  %-34s %s\n", what, series.summary().c_str());
}

const Series &figure(const SampleSet &samples, const std::string &name)
{
    static const Series none;
    const auto found = samples.find(name);
    return found == samples.end() ? none : found->second;
}

} // namespace

bool appendSamples(const std::string &path, const std::string &scene, const FrameClock::Results &frames,
                   const ActionClock::Results *actions)
{
    std::ofstream out(path, std::ios::app);
    write(out, scene + ".work", frames.work);
    write(out, scene + ".interval", frames.animatedInterval);
    if (actions) {
        write(out, "action.own", actions->byKind[static_cast<int>(ActionKind::OwnMove)]);
        write(out, "action.computer", actions->byKind[static_cast<int>(ActionKind::ComputerMove)]);
        write(out, "action.phase", actions->byKind[static_cast<int>(ActionKind::PhaseEnd)]);
        write(out, "action.deal", actions->byKind[static_cast<int>(ActionKind::NewGame)]);
    }
    return static_cast<bool>(out);
}

bool readSamples(const std::string &path, SampleSet *samples)
{
    std::ifstream in(path);
    if (!in)
        return false;
    std::string name;
    double ms = 0;
    while (in >> name >> ms)
        (*samples)[name].add(ms);
    return in.eof();
}

void printMergedReport(const SampleSet &samples)
{
    const Series &work = figure(samples, "interface.work");
    const Series &interval = figure(samples, "interface.interval");
    const Series &floorInterval = figure(samples, "floor.interval");
    Series moves;
    for (const char *kind : {"action.own", "action.computer", "action.phase"})
        moves.addAll(figure(samples, kind));
    const Series &deals = figure(samples, "action.deal");

    std::printf("the interface, %zu frames:\n", work.count());
    line("work per frame", work);
    line("interval while animating", interval);
    std::printf("the floor scene, %zu frames:\n", figure(samples, "floor.work").count());
    line("work per frame", figure(samples, "floor.work"));
    line("interval while animating", floorInterval);
    std::printf("actions of the interface thread:\n");
    line("own moves", figure(samples, "action.own"));
    line("computer moves", figure(samples, "action.computer"));
    line("phase ends", figure(samples, "action.phase"));
    line("moves and phase ends", moves);
    line("new deals", deals);
    std::printf("work max %.2f ms; interval p99 %.2f ms, the floor's %.2f ms\n", work.max(), interval.percentile(99),
                floorInterval.percentile(99));
    std::printf("frames %zu; work p99 %.2f ms; interval p99 over floor %.2f ms; action p99 %.2f ms; new deal p99 "
                "%.2f ms\n",
                work.count(), work.percentile(99), interval.percentile(99) - floorInterval.percentile(99),
                moves.percentile(99), deals.percentile(99));
    std::fflush(stdout);
}
