#pragma once

// tycora --simulate --games N: plays N games of computer players, on the
// seeds S, S+1, ..., S+N-1, and prints what they add up to as one JSON
// object: the landings on every square and its share of them all, the
// throws and hand-overs, and how often each player won. With --heatmap the
// landings are drawn as well.

#include "app/launch_options.h"
#include "app/simulate_command.h"

#include <array>
#include <iosfwd>

namespace tycora::app {

// The squares' landing counts of a game, for the heat map.
std::array<int, 40> landingsOf(const GameState &state);

// `options` carries the seed of the first game. Returns the exit status as
// runSimulation does.
int runGames(const LaunchOptions &launch, const SimulationOptions &options, std::ostream &out, std::ostream &err,
             const SimulationSurroundings &surroundings);

} // namespace tycora::app
