#pragma once

// The simulation command as the tests run it: its words read as after
// --simulate, and a run's standard output when it succeeds.

#include "app/launch_options.h"
#include "app/simulate_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tycora::testing {

inline app::LaunchOptions simulation(std::vector<std::string> args)
{
    args.insert(args.begin(), "--simulate");
    return app::parseLaunchOptions(args);
}

inline std::string simulate(const std::vector<std::string> &args)
{
    std::ostringstream out, err;
    EXPECT_EQ(app::runSimulation(simulation(args), out, err), 0) << err.str();
    return out.str();
}

} // namespace tycora::testing
