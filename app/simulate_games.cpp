#include "app/simulate_games.h"

#include "app/heat_map_export.h"
#include "app/termination_signals.h"
#include "game/square_table.h"

#include <ostream>

namespace tycora::app {

std::array<int, 40> landingsOf(const GameState &state)
{
    std::array<int, 40> landings{};
    for (int sq = 0; sq < BoardSize; ++sq)
        landings[std::size_t(sq)] = state.SquareStats[sq].Landed;
    return landings;
}

int runGames(const LaunchOptions &launch, const SimulationOptions &options, std::ostream &out, std::ostream &err,
             const SimulationSurroundings &surroundings)
{
    std::array<long long, 40> landings{};
    std::array<long long, MaxPlayers> wins{};
    long long throws = 0, turns = 0, trades = 0;
    for (long long game = 0; game < launch.games; ++game) {
        SimulationOptions one = options;
        one.seed = options.seed + std::uint64_t(game);
        NoEventLog log;
        Simulation sim(one, log);
        sim.setUp();
        for (std::uint64_t tick = 1; !sim.finished(); ++tick) {
            if (tick % 256 == 0 && surroundings.stopSignal) {
                if (const int signal = surroundings.stopSignal(); signal != 0) {
                    err << "tycora: stopped by " << stopSignalName(signal) << " after " << game << " of "
                        << launch.games << " games\n";
                    return 128 + signal;
                }
            }
            if (!sim.playTick()) {
                err << "tycora: game " << game + 1 << " (seed " << one.seed
                    << ") stopped before all turns were played\n";
                return 1;
            }
        }
        sim.engine().stopTimers();
        for (int sq = 0; sq < BoardSize; ++sq)
            landings[std::size_t(sq)] += sim.state().SquareStats[sq].Landed;
        if (const int w = sim.engine().winner(); w >= 0 && w < MaxPlayers)
            ++wins[std::size_t(w)];
        throws += sim.engine().throws();
        turns += sim.engine().handOvers();
        trades += sim.engine().trades();
    }

    long long total = 0;
    for (const long long n : landings)
        total += n;
    if (!launch.heatMapFile.empty()) {
        std::array<int, 40> counts{};
        for (std::size_t sq = 0; sq < counts.size(); ++sq)
            counts[sq] = int(std::min<long long>(landings[sq], 2'147'483'647LL));
        if (const std::string error = exportHeatMap(counts, launch.games, launch.heatMapFile); !error.empty()) {
            err << "tycora: " << error << "\n";
            return 1;
        }
    }

    out << "{\"games\":" << launch.games << ",\"squares\":[";
    for (int sq = 0; sq < BoardSize; ++sq) {
        if (sq)
            out << ',';
        out << "{\"square\":" << sq << ",\"title\":" << jsonString(std::string(squareInfo(sq).title))
            << ",\"landings\":" << landings[std::size_t(sq)]
            << ",\"landingShare\":" << jsonShare(landings[std::size_t(sq)], total) << '}';
    }
    out << "],\"wins\":[";
    for (int i = 0; i < options.players && i < MaxPlayers; ++i)
        out << (i ? "," : "") << wins[std::size_t(i)];
    out << "],\"throws\":" << throws << ",\"turns\":" << turns;
    if (options.game.trading)
        out << ",\"trades\":" << trades;
    out << ",\"seed\":" << options.seed << "}\n";
    return 0;
}

} // namespace tycora::app
