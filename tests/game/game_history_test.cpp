// The figures behind the pictures of a game: the net-worth history holds
// every player's net worth and cash as they stood at each sample (game
// start, every hand-over, the win), marks each bankruptcy where it
// happened, and stays small; the rent ledger's sums match the squares'
// rent totals.

#include "game/net_worth_history.h"
#include "game/rent_ledger.h"
#include "game/rules.h"
#include "game/simulation.h"

#include <gtest/gtest.h>

#include <map>

namespace tycora::testing {
namespace {

struct Sample {
    std::vector<int> worth, cash;
    std::vector<bool> bankrupt;
};

SimulationOptions options(RuleSet rules, std::uint64_t seed, long long turns)
{
    SimulationOptions o;
    o.players = 4;
    o.turns = turns;
    o.seed = seed;
    o.game.rules = rules;
    return o;
}

// The rent lines of the log, summed by who paid and who received
// ("Player 1 Pays Player 2 £26 Rent for Whitechapel Road").
class RentLines final : public EventLog {
public:
    std::map<std::string, int> paid, received;

    bool isOn() const override { return true; }
    void writeLog(const std::string &line) override
    {
        const std::size_t pays = line.find(" Pays "), pound = line.find(" \xC2\xA3"), rent = line.find(" Rent for ");
        if (pays == std::string::npos || pound == std::string::npos || rent == std::string::npos || pound < pays)
            return;
        const int amount = std::stoi(line.substr(pound + 3, rent - pound - 3));
        paid[line.substr(0, pays)] += amount;
        received[line.substr(pays + 6, pound - pays - 6)] += amount;
    }
};

// A seeded game of computers with both recorders and a plain copy of the
// engine's own figures taken at every sample.
struct RecordedGame {
    RentLines log;
    Simulation sim;
    NetWorthHistory history;
    RentLedger rent;
    std::vector<Sample> seen;

    RecordedGame(RuleSet rules, std::uint64_t seed, long long turns)
        : sim(options(rules, seed, turns), log)
    {
        sim.engine().setHandOverObserver([this] {
            const GameState &s = sim.state();
            history.record(s);
            rent.record(s);
            Sample sample;
            for (int i = 0; i < s.PlayerCount; ++i) {
                sample.worth.push_back(sim.engine().netWorth(i));
                sample.cash.push_back(s.Players[i].Money);
                sample.bankrupt.push_back(s.Players[i].Bankrupt);
            }
            seen.push_back(sample);
        });
        sim.setUp();
        EXPECT_TRUE(sim.run());
    }
};

TEST(NetWorthHistory, HoldsTheFiguresOfEverySampleInBothRuleSets)
{
    for (const RuleSet rules : {RuleSet::Classic, RuleSet::Full}) {
        SCOPED_TRACE(rules == RuleSet::Full ? "full" : "classic");
        RecordedGame game(rules, 7, 400);
        const NetWorthHistory &h = game.history;
        ASSERT_EQ(h.players(), 4);
        // The start, each hand-over, and the win when there was one.
        const bool won = game.sim.engine().winner() >= 0;
        ASSERT_EQ(h.samples(), std::size_t(1 + game.sim.engine().handOvers() + (won ? 1 : 0)));
        ASSERT_EQ(h.samples(), game.seen.size());
        for (std::size_t n = 0; n < h.samples(); ++n)
            for (int i = 0; i < 4; ++i) {
                ASSERT_EQ(h.netWorth(n, i), game.seen[n].worth[i]) << "sample " << n << " player " << i;
                ASSERT_EQ(h.cash(n, i), game.seen[n].cash[i]) << "sample " << n << " player " << i;
            }
        EXPECT_EQ(h.netWorth(0, 0), StartingMoney);
        for (int i = 0; i < 4; ++i) {
            int first = -1;
            for (std::size_t n = 0; n < game.seen.size() && first < 0; ++n)
                if (game.seen[n].bankrupt[i])
                    first = int(n);
            EXPECT_EQ(h.bankruptAt(i), first) << "player " << i;
        }
        if (rules == RuleSet::Full) {
            EXPECT_TRUE(won) << "a full game of 400 hand-overs on this seed ends with a winner";
            EXPECT_GE(h.bankruptAt(game.sim.engine().winner() == 0 ? 1 : 0), 0);
        }
    }
}

TEST(NetWorthHistory, ALongGameTakesLessThanAMegabyte)
{
    RecordedGame game(RuleSet::Classic, 3, 2000);
    ASSERT_EQ(game.sim.engine().handOvers(), 2000);
    ASSERT_EQ(game.history.samples(), 2001u);
    EXPECT_LT(game.history.bytes(), 1'000'000u);
}

TEST(RentLedger, PaidAndReceivedAreTheLogsRentLinesAndAddUpToTheSquaresTotals)
{
    for (const RuleSet rules : {RuleSet::Classic, RuleSet::Full}) {
        RecordedGame game(rules, 11, 300);
        const GameState &s = game.sim.state();
        int squaresTotal = 0, paid = 0, received = 0, earned = 0;
        for (int sq = 0; sq < BoardSize; ++sq)
            squaresTotal += s.SquareStats[sq].TotalRent;
        for (int i = 0; i < s.PlayerCount; ++i) {
            paid += game.rent.paid(i);
            received += game.rent.received(i);
            for (int sq = 0; sq < BoardSize; ++sq)
                earned += game.rent.earned(i, sq);
            const std::vector<int> top = game.rent.topSquares(i, 3);
            for (std::size_t k = 1; k < top.size(); ++k)
                EXPECT_GE(game.rent.earned(i, top[k - 1]), game.rent.earned(i, top[k]));
        }
        for (int i = 0; i < s.PlayerCount; ++i) {
            EXPECT_EQ(game.rent.paid(i), game.log.paid[s.Players[i].Name]) << s.Players[i].Name;
            EXPECT_EQ(game.rent.received(i), game.log.received[s.Players[i].Name]) << s.Players[i].Name;
        }
        EXPECT_GT(squaresTotal, 0);
        EXPECT_EQ(paid, squaresTotal);
        EXPECT_EQ(received, squaresTotal);
        EXPECT_EQ(earned, squaresTotal);
    }
}

} // namespace
} // namespace tycora::testing
