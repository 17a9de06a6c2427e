#pragma once

// The heat map of simulated games as files, for a player who studies the
// board: FILE.png, and the same drawing as vectors in FILE.svg beside it.

#include <array>
#include <string>

namespace tycora::app {

// The SVG file that goes with a PNG file: the same name ending in .svg.
std::string svgFileFor(const std::string &pngFile);

// Draws the board tinted by the landings on each square over `games` games.
// Returns an error message, or empty when both files were written.
std::string exportHeatMap(const std::array<int, 40> &landings, long long games, const std::string &pngFile);

} // namespace tycora::app
