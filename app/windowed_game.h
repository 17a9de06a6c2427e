#pragma once

// The game with its windows, as a program runs it: Qt's application (built
// under the display guard), the game's fonts and icon, the real system
// services, message boxes and clock, the game itself and the stop signals
// that end it. The program's main() starts it; so does the benchmark's
// copy of the game, which plays a scenario before handing over to the
// event loop.

#include "app/game_settings.h"

#include <memory>

class QApplication;

namespace tycora::ui {
class SystemServices;
class QtMessageBoxes;
class QtClock;
} // namespace tycora::ui

namespace tycora::app {

class Application;
class StopSignalRelay;
class WorkerThinker;

class WindowedGame {
public:
    // argc must outlive the object, as Qt's application requires. The
    // windows take the size remembered in the settings file (none: the
    // usual size).
    WindowedGame(int &argc, char **argv, const QString &settingsFile = defaultSettingsFile());
    ~WindowedGame();
    WindowedGame(const WindowedGame &) = delete;
    WindowedGame &operator=(const WindowedGame &) = delete;

    Application &game() { return *game_; }
    // Runs the event loop until the game ends; returns the exit status.
    int exec();

private:
    std::unique_ptr<QApplication> qapp_;
    std::unique_ptr<ui::SystemServices> services_;
    std::unique_ptr<ui::QtMessageBoxes> boxes_;
    std::unique_ptr<ui::QtClock> clock_;
    // Outlives the game, whose engine hands it the computers' thinking.
    std::unique_ptr<WorkerThinker> thinker_;
    std::unique_ptr<Application> game_;
    std::unique_ptr<StopSignalRelay> stopSignals_;
};

} // namespace tycora::app
