// tycora-bench-game: the game as the program starts it, playing one of the
// benchmark scenarios by itself (see benchmark_scenario.h). Built for
// tycora_bench only and never installed, so that the game people play
// carries nothing of it.
//
//   tycora-bench-game SCENARIO [Qt's options]

#include "app/application.h"
#include "app/termination_signals.h"
#include "app/windowed_game.h"
#include "bench/benchmark_scenario.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace tycora;
    if (argc < 2) {
        std::fprintf(stderr, "usage: tycora-bench-game startup|startup-alone|open-board|human-to-throw|computer-pause|computers-play|new-games\n");
        return 2;
    }
    const QString scenario = QString::fromLocal8Bit(argv[1]);
    // The scenario's name is not one of the game's words.
    argv[1] = argv[0];
    int gameArgc = argc - 1;
    app::ignoreFileSizeSignal();
    // Every scenario plays with the default choices, whatever the user last chose.
    app::WindowedGame windowed(gameArgc, argv + 1, {});
    windowed.game().setSettingsFile({});
    windowed.game().Main();
    if (!bench::startBenchmarkScenario(windowed.game(), scenario)) {
        std::fprintf(stderr, "tycora-bench-game: no benchmark scenario %s\n", qPrintable(scenario));
        return 2;
    }
    return windowed.exec();
}
