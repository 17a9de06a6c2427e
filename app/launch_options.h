#pragma once

// What the program was asked to do on its command line: play (the default;
// plain words such as debug are the event log's business), simulate a game
// without a window, or print its usage or version.

#include "game/simulation.h"

#include <string>
#include <vector>

namespace tycora::app {

struct LaunchOptions {
    enum class Mode { Play, Simulate, Replay, Help, Version, Error };
    Mode mode = Mode::Play;
    std::string error;            // for Mode::Error
    SimulationOptions simulation;
    bool seedGiven = false;
    std::string logFile;          // --log FILE, empty for none
    std::string saveFile;         // --save FILE: the game as it stands at the end
    std::string loadFile;         // --load FILE: go on with a saved game
    std::string replayFile;       // --replay FILE
    long long games = 1;          // --games N: seeds S, S+1, ... one game each
    std::string heatMapFile;      // --heatmap FILE.png: the board by landings, and FILE.svg
};

// Parses the arguments after the program name. Options the game does not
// know are an error; the window system's own options (-platform X,
// -style X, -reverse, ...) pass, so the arguments can be checked before any
// window system is reached.
LaunchOptions parseLaunchOptions(const std::vector<std::string> &arguments);

// True when the arguments choose the window system (-platform X).
bool namesPlatform(const std::vector<std::string> &arguments);

std::string usageText();
std::string versionText();

} // namespace tycora::app
