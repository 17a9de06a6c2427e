#pragma once

// tycora --simulate: plays a game of computer players headless, writes its
// event log to a file if asked and prints the result as JSON.

#include "app/launch_options.h"

#include <iosfwd>

namespace tycora::app {

// Returns the process exit status.
int runSimulation(const LaunchOptions &options, std::ostream &out, std::ostream &err);

} // namespace tycora::app
