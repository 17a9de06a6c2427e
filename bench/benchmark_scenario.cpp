#include "bench/benchmark_scenario.h"

#include "app/application.h"
#include "game/engine.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "ui/toolkit/command_button.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdio>

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

} // namespace

bool startBenchmarkScenario(app::Application &game, const QString &scenario)
{
    if (!game.frmMenu())
        return false;
    if (scenario == QLatin1String("startup")) {
        new ReadyOnFirstPaint(game.frmMenu());
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
