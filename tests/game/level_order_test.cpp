// The levels keep their order: on a fixed set of seeds, each played with
// the seats swapped, Normal beats Easy and Hard beats Normal more often
// than not. A change that weakens a level shows here.

#include "game/event_log.h"
#include "game/simulation.h"

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

struct Tally {
    int first = 0;
    int second = 0;
};

// Two-player games to a winner or 2,000 hand-overs, `first` in seat 0 and
// then in seat 1 on each seed.
Tally headToHead(ComputerLevel first, ComputerLevel second, int seeds)
{
    Tally tally;
    for (int s = 0; s < seeds; ++s) {
        for (int swapped = 0; swapped < 2; ++swapped) {
            SimulationOptions options;
            options.players = 2;
            options.turns = 2000;
            options.seed = 0x0de7'0000ULL + static_cast<std::uint64_t>(s);
            options.game.rules = RuleSet::Full;
            options.levels = swapped ? std::vector{second, first} : std::vector{first, second};
            NoEventLog log;
            Simulation sim(options, log);
            sim.setUp();
            sim.run();
            const int winner = sim.engine().winner();
            if (winner < 0)
                continue;
            ++((winner == swapped) ? tally.first : tally.second);
        }
    }
    return tally;
}

TEST(LevelOrder, NormalBeatsEasy)
{
    const Tally t = headToHead(ComputerLevel::Normal, ComputerLevel::Easy, 20);
    EXPECT_GT(t.first, t.second + 5) << "Normal " << t.first << ", Easy " << t.second;
}

TEST(LevelOrder, HardBeatsNormal)
{
    const Tally t = headToHead(ComputerLevel::Hard, ComputerLevel::Normal, 5);
    EXPECT_GT(t.first, t.second + 2) << "Hard " << t.first << ", Normal " << t.second;
}

} // namespace
} // namespace tycora::testing
