// tycora: start the game, or simulate one, or say how to use the program.

#include "app/application.h"
#include "app/launch_options.h"
#include "app/simulate_command.h"
#include "app/standard_output.h"
#include "app/termination_signals.h"
#include "app/windowed_game.h"

#include <QtGlobal>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> argumentsOf(int argc, char **argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace tycora;
    using Mode = app::LaunchOptions::Mode;
    app::ignoreFileSizeSignal();

    // Options are checked before any display is reached, so that a mistyped
    // one gets its message even where no window can open.
    const app::LaunchOptions launch = app::parseLaunchOptions(argumentsOf(argc, argv));
    switch (launch.mode) {
    case Mode::Help: return app::printResult(app::usageText());
    case Mode::Version: return app::printResult(app::versionText());
    case Mode::Simulate: {
        std::ostringstream result;
        const int status = app::runSimulation(launch, result, std::cerr);
        const int printed = app::printResult(result.str());
        return status != 0 ? status : printed;
    }
    case Mode::Replay: {
        std::ostringstream result;
        const int status = app::runReplay(launch, result, std::cerr);
        const int printed = app::printResult(result.str());
        return status != 0 ? status : printed;
    }
    case Mode::Error: std::cerr << "tycora: " << launch.error << "\nTry 'tycora --help'.\n"; return 2;
    case Mode::Play: break;
    }
    // Without any display Qt would abort; say what is missing instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !app::namesPlatform(argumentsOf(argc, argv))) {
        std::cerr << "tycora: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start it from a desktop session, or try 'tycora --simulate'.\n";
        return 1;
    }
    app::WindowedGame windowed(argc, argv);
    windowed.game().Main();
    return windowed.exec();
}
