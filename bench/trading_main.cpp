// The trading figures alone, for runs of any size:
//
//   tycora_bench_trading [games] [duel|four|both]
//
// "duel": two-player games, a trading computer against one that never
// proposes a trade, seats alternating; the trader's share of the decided
// games with its 95% Wilson interval. "four": four trading computers, the
// share of games that end with a winner within 2,000 hand-overs.

#include "bench/trading_games.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>

using namespace tycora::bench;

namespace {

constexpr long long TurnLimit = 2000;

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void wilson(int wins, int games, double &low, double &high)
{
    const double z = 1.96, n = games, p = games > 0 ? wins / n : 0;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    low = centre - half;
    high = centre + half;
}

// The turns that played futures (over a millisecond of processor time) and
// how long they took: median, 99th percentile, longest.
void printTimes(const TurnTimes &all)
{
    TurnTimes slow;
    std::copy_if(all.begin(), all.end(), std::back_inserter(slow), [](double ms) { return ms >= 1.0; });
    std::sort(slow.begin(), slow.end());
    const auto at = [&](double p) {
        return slow.empty() ? 0.0 : slow[std::min(slow.size() - 1, static_cast<std::size_t>(p * slow.size()))];
    };
    std::printf("  turn starts: %zu, of them over 1 ms: %zu; those: median %.1f ms, 99th percentile %.1f ms, "
                "longest %.1f ms\n",
                all.size(), slow.size(), at(0.5), at(0.99), slow.empty() ? 0.0 : slow.back());
}

} // namespace

int main(int argc, char **argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::string which = argc > 2 ? argv[2] : "both";
    if (which != "four") {
        const auto start = std::chrono::steady_clock::now();
        const TradingDuel d = measureTradingDuel(games, TurnLimit);
        double low = 0, high = 0;
        wilson(d.traderWins, d.games, low, high);
        std::printf("duel: %d games, trader %d, non-trader %d, undecided %d; trader's share of all games %.1f %% "
                    "(95%% interval %.1f-%.1f %%); trades per game %.2f; %.0f s\n",
                    d.games, d.traderWins, d.nonTraderWins, d.undecided, 100.0 * d.traderWins / d.games, 100 * low,
                    100 * high, double(d.trades) / d.games, seconds(start));
        printTimes(d.turnTimes);
    }
    if (which != "duel") {
        const auto start = std::chrono::steady_clock::now();
        const TradingGames t = measureTradingGames(games, TurnLimit);
        std::printf("four: %d games, ended with a winner %.1f %%, trades per game %.2f; %.0f s\n", t.games,
                    100.0 * t.won / t.games, double(t.trades) / t.games, seconds(start));
        printTimes(t.turnTimes);
    }
    return 0;
}
