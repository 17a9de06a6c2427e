// Whole games under Full rules, hundreds of them, with the rules'
// invariants checked at every event: no balance below zero, the bank's
// stock and the board's buildings adding up, building even, deeds only in
// the hands of players still in the game; and every game reaching a winner.

#include "game/rules.h"
#include "game/simulation.h"
#include "game/square_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tycora::testing {
namespace {

// Checks the state at every line the game logs.
class CheckingLog final : public EventLog {
public:
    const GameState *state = nullptr;
    std::vector<std::string> breaches;
    long long lines = 0;

    bool isOn() const override { return true; }
    void writeLog(const std::string &line) override
    {
        ++lines;
        if (!state || breaches.size() >= 10)
            return;
        check(line);
    }

private:
    void breach(const std::string &what, const std::string &line) { breaches.push_back(what + " at: " + line); }

    void check(const std::string &line)
    {
        const GameState &s = *state;
        int houses = 0, hotels = 0;
        for (int sq = 0; sq < BoardSize; ++sq) {
            const auto &b = s.Buildings[sq];
            houses += b.Hotel ? 0 : b.Houses;
            hotels += b.Hotel;
            const Property &d = s.Properties[sq];
            if ((b.Houses || b.Hotel) && (!d.Owned || d.Mortgaged))
                breach("a building on a square nobody holds, or mortgaged", line);
            if (d.Owned && (d.Owner < 0 || d.Owner >= s.PlayerCount || s.Players[d.Owner].Bankrupt))
                breach("a deed held by nobody in the game", line);
        }
        if (houses + s.HousesLeft != HouseStock || hotels + s.HotelsLeft != HotelStock)
            breach("the buildings do not add up", line);
        for (int i = 0; i < s.PlayerCount; ++i)
            if (s.Players[i].Money < 0)
                breach(s.Players[i].Name + " below zero", line);
        // Building is even: within one building across a group, selling
        // included, even when the bank is short of houses.
        for (int g = 0; g < GroupCount; ++g) {
            int fewest = 5, most = 0;
            for (const int sq : groupSquares(g)) {
                fewest = std::min(fewest, buildingCount(s, sq));
                most = std::max(most, buildingCount(s, sq));
            }
            if (most - fewest > 1)
                breach("uneven building in group " + std::to_string(g), line);
        }
    }
};

TEST(FullRulesSoak, HundredsOfGamesKeepTheRulesAndEndWithAWinner)
{
    constexpr int Games = 300;
    int won = 0;
    for (int g = 0; g < Games; ++g) {
        SimulationOptions options;
        options.players = 2 + g % 3;
        options.turns = 3000;
        options.seed = 0xf011'0000ULL + static_cast<std::uint64_t>(g) * 104729;
        options.game.rules = RuleSet::Full;
        options.game.freeParkingPot = g % 4 == 1;
        options.game.doubleGoSalary = g % 5 == 2;
        options.game.firstRoundBuying = g % 7 != 3;
        CheckingLog log;
        Simulation sim(options, log);
        log.state = &sim.state();
        sim.setUp();
        ASSERT_TRUE(sim.run()) << "game " << g << " stood still";
        ASSERT_TRUE(log.breaches.empty()) << "game " << g << ": " << log.breaches.front();
        if (sim.engine().winner() >= 0) {
            ++won;
            int left = 0;
            for (int i = 0; i < options.players; ++i)
                left += !sim.state().Players[i].Bankrupt;
            EXPECT_EQ(left, 1);
        }
    }
    EXPECT_GE(won, Games * 9 / 10);
}

} // namespace
} // namespace tycora::testing
