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
    double readyCpuMs = 0;         // processor time the program had used by then
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

// The start's processor time, the game's against a bare Qt program's
// (tycora-bench-bare) that shows windows of the same sizes, run in
// alternating pairs, the order within a pair changing from pair to pair so
// that neither side always meets a warmer machine. Medians over the pairs.
struct StartRatio {
    bool ok = false;
    std::string error;
    int pairs = 0;
    double ratio = 0;      // median of the pairs' game / bare
    double gameCpuMs = 0;  // median processor time to the menu's first paint
    double bareCpuMs = 0;
    double gameWallMs = 0; // median wall time to the same moment
    double bareWallMs = 0;
};
StartRatio measureStartRatio(const std::string &game, const std::string &bare, const std::string &bareMode, int pairs);

// From the menu's New Game to the set-up's first paint and from the
// set-up's Next to the board's (the open-board scenario); medians of runs.
struct Opening {
    bool ok = false;
    int runs = 0;
    double setUpWallMs = 0, setUpCpuMs = 0;
    double boardWallMs = 0, boardCpuMs = 0;
};
Opening measureOpening(const std::string &game, int runs);

// The resident memory (KB) the game holds after its first and its tenth
// game of the new-games scenario.
struct NewGamesMemory {
    bool ok = false;
    long afterFirst = 0;
    long afterTenth = 0;
};
NewGamesMemory measureNewGamesMemory(const std::string &program);

} // namespace tycora::bench
