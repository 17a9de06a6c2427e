#pragma once

// Runs the game as a separate process and watches it from outside: how long
// until it says it is ready, how much processor time it uses while it waits,
// and how much memory it holds at its peak.

#include <string>

namespace tycora::bench {

struct ProbeResult {
    bool ok = false;
    std::string error;
    double readyAfterMs = 0;       // from just before exec to the ready line
    double cpuPercentOfCore = 0;   // over the watch period
    long peakResidentKb = 0;
};

// Whole watch period, or only the computer's pauses that the game reports
// with "pause on" and "pause off" lines.
enum class Watch { Whole, PausesOnly };

// Starts `program` (tycora-bench-game) with the scenario's name, waits for
// its first line on standard output, then watches it for watchSeconds (of
// pauses only, if asked) and ends it.
ProbeResult probe(const std::string &program, const std::string &scenario, double watchSeconds,
                  Watch watch = Watch::Whole);

// The resident memory (KB) the game holds after its first and its tenth
// game of the new-games scenario.
struct NewGamesMemory {
    bool ok = false;
    long afterFirst = 0;
    long afterTenth = 0;
};
NewGamesMemory measureNewGamesMemory(const std::string &program);

} // namespace tycora::bench
