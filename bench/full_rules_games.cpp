#include "bench/full_rules_games.h"

#include "game/event_log.h"
#include "game/simulation.h"

#include <algorithm>
#include <cstdint>

namespace tycora::bench {

long long GameLengths::percentile(int p) const
{
    if (turns.empty())
        return 0;
    const std::size_t at = std::min(turns.size() - 1, turns.size() * static_cast<std::size_t>(p) / 100);
    return turns[at];
}

namespace {

struct GameEnd {
    int winner;           // -1: nobody won within the turn limit
    long long handOvers;
};

// One game of computers under full rules, played to its winner or to the
// turn limit.
GameEnd playFullRulesGame(SimulationOptions options, long long turnLimit)
{
    options.turns = turnLimit;
    options.game.rules = RuleSet::Full;
    NoEventLog log;
    Simulation sim(options, log);
    sim.setUp();
    sim.run();
    return {sim.engine().winner(), sim.engine().handOvers()};
}

} // namespace

GameLengths measureFullRulesGames(int games, long long turnLimit)
{
    GameLengths result;
    result.games = games;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.seed = 0xbe9c'0000ULL + static_cast<std::uint64_t>(g);
        const GameEnd end = playFullRulesGame(options, turnLimit);
        if (end.winner >= 0) {
            ++result.won;
            result.turns.push_back(end.handOvers);
        }
    }
    std::sort(result.turns.begin(), result.turns.end());
    return result;
}

HeadToHead measureHeadToHead(int games, long long turnLimit)
{
    HeadToHead result;
    result.games = games;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.players = 2;
        options.seed = 0x2b2b'0000ULL + static_cast<std::uint64_t>(g);
        const int classic = g % 2;
        options.classicComputers = {classic};
        const int winner = playFullRulesGame(options, turnLimit).winner;
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
