#pragma once

// tycora --simulate: plays a game of computer players headless, writes its
// event log to a file if asked and prints the result as JSON.

#include "app/launch_options.h"

#include <functional>
#include <iosfwd>

namespace tycora::app {

// What a simulation learns from around it; the real ones by default, stand-
// ins in tests.
struct SimulationSurroundings {
    // Standard error is a terminal someone watches: a long simulation shows
    // its progress there.
    bool showProgress = false;
    // Seconds from any fixed point, steadily increasing.
    std::function<double()> seconds;
    // The stop signal (SIGINT, SIGTERM, SIGHUP) that has come, or 0.
    std::function<int()> stopSignal;
    // Turns on or off whether a stop signal cuts short a wait in a system
    // call; on only while the log waits for a named pipe's reader.
    std::function<void(bool on)> interruptWaits;
};

// Returns the process exit status: 0; 1 when the log could not be written
// or the game stood still; 2 when the log file cannot be opened; 128 plus
// the signal's number when a stop signal ended the game early (its log then
// ends with the end line, as every game's does).
int runSimulation(const LaunchOptions &options, std::ostream &out, std::ostream &err);
// tycora --replay: 0 when the saved game's history reaches its snapshot;
// 1 with the first difference, or when the file cannot be loaded.
int runReplay(const LaunchOptions &options, std::ostream &out, std::ostream &err);
int runSimulation(const LaunchOptions &options, std::ostream &out, std::ostream &err,
                  const SimulationSurroundings &surroundings);

} // namespace tycora::app
