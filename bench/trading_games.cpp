#include "bench/trading_games.h"

#include "game/computer_players.h"
#include "game/event_log.h"
#include "game/simulation.h"

#include <ctime>
#include <cstdint>
#include <memory>

namespace tycora::bench {

namespace {

// The full-rules computer, timed at the start of each of its turns (the
// processor time: the machine may be shared).
class TimedComputer : public FullRulesComputer {
public:
    explicit TimedComputer(TurnTimes &times) : times_(times) {}
    void turnToThrow(Engine &engine, int player) override
    {
        const std::clock_t start = std::clock();
        FullRulesComputer::turnToThrow(engine, player);
        times_.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }

private:
    TurnTimes &times_;
};

struct TradingGameEnd {
    int winner;   // -1: nobody won within the turn limit
    long long trades;
};

// A full-rules game of computers that trade; `nonTrader` (if any) never
// proposes a trade.
TradingGameEnd playTradingGame(SimulationOptions options, long long turnLimit, int nonTrader, TurnTimes &times)
{
    options.turns = turnLimit;
    options.game.rules = RuleSet::Full;
    options.game.trading = true;
    NoEventLog log;
    Simulation sim(options, log);
    for (int p = 0; p < options.players; ++p)
        sim.engine().setController(p, p == nonTrader ? std::make_unique<FullRulesComputer>(false)
                                                     : std::make_unique<TimedComputer>(times));
    sim.setUp();
    sim.run();
    return {sim.engine().winner(), sim.engine().trades()};
}

} // namespace

TradingGames measureTradingGames(int games, long long turnLimit)
{
    TradingGames result;
    result.games = games;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.seed = 0x7ade'0000ULL + static_cast<std::uint64_t>(g);
        const TradingGameEnd end = playTradingGame(options, turnLimit, -1, result.turnTimes);
        result.won += end.winner >= 0;
        result.trades += end.trades;
    }
    return result;
}

TradingDuel measureTradingDuel(int games, long long turnLimit)
{
    TradingDuel result;
    result.games = games;
    for (int g = 0; g < games; ++g) {
        SimulationOptions options;
        options.players = 2;
        options.seed = 0xd0e1'0000ULL + static_cast<std::uint64_t>(g);
        const int nonTrader = g % 2;
        const TradingGameEnd end = playTradingGame(options, turnLimit, nonTrader, result.turnTimes);
        result.trades += end.trades;
        if (end.winner < 0)
            ++result.undecided;
        else if (end.winner == nonTrader)
            ++result.nonTraderWins;
        else
            ++result.traderWins;
    }
    return result;
}

} // namespace tycora::bench
