// A thousand long games of four computers, each with its own seed, with the
// rules' invariants checked at every arrival and every change of money.

#include "game/simulation.h"
#include "support/invariants.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

namespace tycora::testing {
namespace {

TEST(Soak, AThousandGamesOfFiveHundredTurnsKeepTheRules)
{
    constexpr int Games = 1000;
    constexpr long long Turns = 500;
    NoEventLog log;
    // Where each game ended: its throws, and every player's money and square.
    std::set<std::vector<long long>> endings;
    for (int g = 0; g < Games; ++g) {
        SimulationOptions options;
        options.turns = Turns;
        options.seed = 0x7ac0'0000ULL + static_cast<std::uint64_t>(g) * 7919;
        Simulation sim(options, log);
        InvariantChecker checker(sim.engine(), sim.state());
        sim.setUp();
        ASSERT_TRUE(sim.run()) << "game " << g << " stood still";
        ASSERT_EQ(sim.engine().handOvers(), Turns);
        ASSERT_TRUE(checker.breaches().empty()) << "game " << g << ": " << checker.breaches().front();
        for (const SquareStat &s : sim.state().SquareStats) {
            ASSERT_GE(s.Landed, 0);
            ASSERT_GE(s.TotalRent, 0);
        }
        std::vector<long long> ending{sim.engine().throws()};
        for (const Player &p : sim.state().Players)
            ending.insert(ending.end(), {static_cast<long long>(p.Money), p.Square});
        endings.insert(ending);
    }
    // Every seed plays its own game: no two games end alike.
    EXPECT_EQ(endings.size(), static_cast<std::size_t>(Games));
}

} // namespace
} // namespace tycora::testing
