#ifndef ZAVEL_FRAMES_SAMPLES_H
#define ZAVEL_FRAMES_SAMPLES_H

// The raw timings of one run, kept so that several runs (the interface and the floor scene, taking turns) make
// one report: a text file of "<figure> <ms>" lines, appended to by each run. The figures are the interface's and
// the floor's work per frame and intervals while animating, and the interface's actions by kind.

#include "actionclock.h"
#include "frameclock.h"

#include <map>
#include <string>

using SampleSet = std::map<std::string, Series>;

// Appends the run's figures; scene is "interface" or "floor". False when the file cannot be written.
bool appendSamples(const std::string &path, const std::string &scene, const FrameClock::Results &frames,
                   const ActionClock::Results *actions);
bool readSamples(const std::string &path, SampleSet *samples);

// The report of all runs together; its last line is the one the scripts read:
//   frames F; work p99 W ms; interval p99 over floor D ms; action p99 A ms; new deal p99 N ms
void printMergedReport(const SampleSet &samples);

#endif
