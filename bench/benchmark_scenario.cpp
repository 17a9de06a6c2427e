#include "bench/benchmark_scenario.h"

#include "app/application.h"
#include "game/engine.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "ui/shell/options_panel.h"
#include "ui/toolkit/command_button.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <QCoreApplication>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace tycora::bench {

namespace {

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Says "ready" right after the window's first paint has been handled.
class ReadyOnFirstPaint final : public QObject {
public:
    explicit ReadyOnFirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { say("ready"); });
        }
        return false;
    }
};

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
    players.cmd4Computers->click();
    players.optionsPanel->setChoices(GameOptions{}, Pace::Instant);
    players.cmdNext->click();
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
        new ReadyOnFirstPaint(game.frmMenu());
        return true;
    }
    if (scenario == QLatin1String("new-games")) {
        say("ready");
        game.frmMenu()->cmdNewGame->click();
        playNewGame(game, 1);
        return true;
    }
    const bool human = scenario == QLatin1String("human-to-throw");
    if (!human && scenario != QLatin1String("computer-pause") && scenario != QLatin1String("computers-play"))
        return false;

    game.frmMenu()->cmdNewGame->click();
    ui::FrmPlayers &players = *game.frmPlayers();
    if (human) {
        tools::enterPlayer(players, QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"),
                  QStringLiteral("Human"));
        tools::enterPlayer(players, QStringLiteral("Ben"), QStringLiteral("Car "), QStringLiteral("Blue"),
                  QStringLiteral("Computer"));
    } else {
        players.cmd4Computers->click();
    }
    if (scenario == QLatin1String("computer-pause"))
        game.engine()->setPauseObserver([](bool pausing) { say(pausing ? "pause on" : "pause off"); });
    players.cmdNext->click();
    new ReadyOnFirstPaint(game.frmMain());
    return true;
}

} // namespace tycora::bench
