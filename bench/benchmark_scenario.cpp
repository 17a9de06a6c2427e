#include "bench/benchmark_scenario.h"

#include "app/application.h"
#include "bench/ready_line.h"
#include "game/engine.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/first_paint.h"

#include <QTimer>

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

namespace tycora::bench {

namespace {

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Says "ready" (with the processor time so far) after the window's first paint.
void readyOnFirstPaint(QWidget *window) { ui::afterFirstPaint(*window, [] { sayReady(); }); }

// Wall and processor time since it was made, told as "NAME WALL_US CPU_US".
class Stopwatch {
public:
    void tell(const char *name) const
    {
        const auto wall = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - wallStart_);
        std::printf("%s %lld %lld\n", name, static_cast<long long>(wall.count()),
                    processCpuMicroseconds() - cpuStart_);
        std::fflush(stdout);
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point wallStart_ = Clock::now();
    long long cpuStart_ = processCpuMicroseconds();
};

// How long a person takes over a click at the least: whatever the program
// does once it waits for one has been done by then.
constexpr int ClickPauseMs = 400;

// The opening scenario: from the menu's New Game to the set-up's first
// paint, and from the set-up's Next (four computers listed) to the board's
// first paint; then the program ends.
void openBoard(app::Application &game)
{
    QTimer::singleShot(ClickPauseMs, game.frmMenu(), [&game] {
        const Stopwatch setUp;
        game.frmMenu()->findChild<ui::CommandButton *>(QStringLiteral("cmdNewGame"))->click();
        ui::afterFirstPaint(*game.frmPlayers(), [&game, setUp] {
            setUp.tell("set-up");
            tools::clickButton(*game.frmPlayers(), "cmd4Computers");
            QTimer::singleShot(ClickPauseMs, game.frmPlayers(), [&game] {
                const Stopwatch board;
                tools::clickButton(*game.frmPlayers(), "cmdNext");
                ui::afterFirstPaint(*game.frmMain(), [board] {
                    board.tell("board");
                    QCoreApplication::exit(0);
                });
            });
        });
    });
}

// The process's resident memory in KB, once freed memory has gone back to
// the system, so that what is measured is what the game still holds.
long residentKb()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ::malloc_trim(0);
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

constexpr int NewGamesPlayed = 10;
constexpr int NewGameSeconds = 2;

// One game of the new-games scenario: four computers at the Instant pace;
// after it the memory is told and the next game begins with New Game.
void playNewGame(app::Application &game, int number)
{
    ui::FrmPlayers &players = *game.frmPlayers();
    tools::clickButton(players, "cmd4Computers");
    players.setChoices(GameOptions{}, Pace::Instant);
    tools::clickButton(players, "cmdNext");
    QTimer::singleShot(NewGameSeconds * 1000, game.frmMain(), [&game, number] {
        std::printf("rss %d %ld\n", number, residentKb());
        std::fflush(stdout);
        if (number == NewGamesPlayed) {
            QCoreApplication::exit(0);
            return;
        }
        game.newGame();
        // Once the old board's deletion has been handled.
        QTimer::singleShot(0, game.frmPlayers(), [&game, number] { playNewGame(game, number + 1); });
    });
}

} // namespace

bool startBenchmarkScenario(app::Application &game, const QString &scenario)
{
    if (!game.frmMenu())
        return false;
    if (scenario == QLatin1String("startup")) {
        readyOnFirstPaint(game.frmMenu());
        return true;
    }
    if (scenario == QLatin1String("startup-alone")) {
        // Ends at once, skipping the teardown, so that a profiler sees the start only.
        ui::afterFirstPaint(*game.frmMenu(), [] {
            sayReady();
            std::_Exit(0);
        });
        return true;
    }
    if (scenario == QLatin1String("open-board")) {
        readyOnFirstPaint(game.frmMenu());
        openBoard(game);
        return true;
    }
    if (scenario == QLatin1String("new-games")) {
        sayReady();
        game.frmMenu()->findChild<ui::CommandButton *>(QStringLiteral("cmdNewGame"))->click();
        playNewGame(game, 1);
        return true;
    }
    const bool human = scenario == QLatin1String("human-to-throw");
    if (!human && scenario != QLatin1String("computer-pause") && scenario != QLatin1String("computers-play"))
        return false;

    game.frmMenu()->findChild<ui::CommandButton *>(QStringLiteral("cmdNewGame"))->click();
    ui::FrmPlayers &players = *game.frmPlayers();
    if (human) {
        tools::enterPlayer(players, QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"),
                  QStringLiteral("Human"));
        tools::enterPlayer(players, QStringLiteral("Ben"), QStringLiteral("Car "), QStringLiteral("Blue"),
                  QStringLiteral("Computer"));
    } else {
        tools::clickButton(players, "cmd4Computers");
    }
    if (scenario == QLatin1String("computer-pause"))
        game.engine()->setPauseObserver([](bool pausing) { say(pausing ? "pause on" : "pause off"); });
    tools::clickButton(players, "cmdNext");
    readyOnFirstPaint(game.frmMain());
    return true;
}

} // namespace tycora::bench
