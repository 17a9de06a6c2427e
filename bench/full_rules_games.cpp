#include "bench/full_rules_games.h"

#include "game/event_log.h"
#include "game/simulation.h"

#include <algorithm>

namespace tycora::bench {

long long GameLengths::percentile(int p) const
{
    if (turns.empty())
        return 0;
    const std::size_t at = std::min(turns.size() - 1, turns.size() * static_cast<std::size_t>(p) / 100);
    return turns[at];
}

GameLengths measureFullRulesGames(int games, long long turnLimit)
{
    GameLengths result;
    result.games = games;
    NoEventLog log;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.turns = turnLimit;
        options.seed = 0xbe9c'0000ULL + static_cast<std::uint64_t>(g);
        options.game.rules = RuleSet::Full;
        Simulation sim(options, log);
        sim.setUp();
        sim.run();
        if (sim.engine().winner() >= 0) {
            ++result.won;
            result.turns.push_back(sim.engine().handOvers());
        }
    }
    std::sort(result.turns.begin(), result.turns.end());
    return result;
}

HeadToHead measureHeadToHead(int games, long long turnLimit)
{
    HeadToHead result;
    result.games = games;
    NoEventLog log;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.players = 2;
        options.turns = turnLimit;
        options.seed = 0x2b2b'0000ULL + static_cast<std::uint64_t>(g);
        options.game.rules = RuleSet::Full;
        const int classic = g % 2;
        options.classicComputers = {classic};
        Simulation sim(options, log);
        sim.setUp();
        sim.run();
        const int winner = sim.engine().winner();
        if (winner < 0)
            ++result.undecided;
        else if (winner == classic)
            ++result.classicWins;
        else
            ++result.fullWins;
    }
    return result;
}

} // namespace tycora::bench
