// Saving and loading a long game: the time of each and the file's size,
// for a game of 2,000 hand-overs among four computers. Prints a table.

#include "game/simulation.h"
#include "save/game_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

template<typename Work>
double bestMilliseconds(int times, Work work)
{
    double best = 1e300;
    for (int i = 0; i < times; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

} // namespace

int main()
{
    using namespace tycora;
    std::printf("%-28s %12s %12s %12s %12s\n", "game (2,000 hand-overs)", "document ms", "save ms", "load ms",
                "file KB");
    for (const RuleSet rules : AllRuleSets) {
        NoEventLog log;
        SimulationOptions options;
        options.turns = 2000;
        options.seed = 2026;
        options.game.rules = rules;
        options.recordHistory = true;
        Simulation sim(options, log);
        sim.setUp();
        sim.run();
        const SavedGame game = sim.capture();
        const QString path = QDir::temp().filePath("tycora-bench.tycora");
        const save::Provenance provenance = save::currentProvenance(TYCORA_VERSION);
        const double documentMs = bestMilliseconds(10, [&] { save::gameDocument(game, provenance); });
        const double saveMs = bestMilliseconds(10, [&] { save::saveGameFile(path, game, provenance); });
        const double loadMs = bestMilliseconds(10, [&] { save::loadGameFile(path); });
        std::printf("%-28s %12.2f %12.2f %12.2f %12.1f\n",
                    (std::string(ruleSetName(rules)) + " rules, " + std::to_string(sim.engine().handOvers()) +
                     " hand-overs")
                        .c_str(),
                    documentMs, saveMs, loadMs, double(QFileInfo(path).size()) / 1024.0);
        QFile::remove(path);
    }
    return 0;
}
