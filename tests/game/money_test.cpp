// Money across whole games: rent moves money between players without
// creating or losing any, and every change of a balance is an amount the
// rules name and the log states.

#include "game/rules.h"
#include "game/simulation.h"
#include "support/ledger_replay.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace tycora::testing {
namespace {

struct Game {
    int players;
    long long turns;
    std::uint64_t seed;
    RuleSet rules;
    bool freeParking = false;
    bool doubleGo = false;
    std::vector<int> classicComputers = {};
    bool firstRoundBuying = true;
};

// Plays the game, replays its log as a ledger, and compares the ledger's
// balances with the game's. Returns the highest balance the log states.
long long expectLedgerAgrees(const Game &game)
{
    SCOPED_TRACE("seed " + std::to_string(game.seed));
    SimulationOptions options;
    options.players = game.players;
    options.turns = game.turns;
    options.seed = game.seed;
    options.game.rules = game.rules;
    options.game.freeParkingPot = game.freeParking;
    options.game.doubleGoSalary = game.doubleGo;
    options.classicComputers = game.classicComputers;
    options.game.firstRoundBuying = game.firstRoundBuying;
    RecordingLog log;
    Simulation sim(options, log);
    sim.setUp();
    EXPECT_TRUE(sim.run());
    std::vector<std::string> names;
    for (int i = 0; i < game.players; ++i)
        names.push_back(sim.state().Players[i].Name);
    LedgerReplay ledger(names);
    long long highest = 0;
    for (const std::string &line : log.lines) {
        EXPECT_TRUE(ledger.apply(line)) << ledger.problem();
        if (!ledger.problem().empty())
            return highest;
        for (const std::string &name : names)
            highest = std::max(highest, ledger.balance(name));
    }
    for (int i = 0; i < game.players; ++i) {
        const Player &p = sim.state().Players[i];
        if (game.rules == RuleSet::Classic && p.Money == std::numeric_limits<Integer>::max())
            continue;   // a classic balance stopped at the top of its range
        EXPECT_EQ(ledger.balance(p.Name), p.Money) << p.Name;
    }
    return highest;
}

TEST(Money, TheLogAccountsForEveryBalanceInClassicGames)
{
    expectLedgerAgrees({2, 300, 11, RuleSet::Classic});
    expectLedgerAgrees({3, 300, 12, RuleSet::Classic});
    expectLedgerAgrees({4, 400, 13, RuleSet::Classic, true});
}

TEST(Money, TheLogAccountsForEveryBalanceInFullRulesGames)
{
    for (std::uint64_t seed = 1; seed <= 30; ++seed)
        expectLedgerAgrees({2 + int(seed % 3), 2000, seed, RuleSet::Full, seed % 2 == 0, seed % 3 == 0});
}

TEST(Money, UnderFullRulesABalanceOutgrowsTheClassicRangeAndStillAgreesWithTheLog)
{
    // Two computers that buy and never build: their rents and salaries
    // pile up far beyond 32767 pounds in a long game.
    const long long highest =
        expectLedgerAgrees({2, 3000, 2030019, RuleSet::Full, true, true, {0, 1}});
    EXPECT_GT(highest, 40000);
}

TEST(Money, FullRulesGamesWithEveryOptionAccountForTheirMoneyAndEnd)
{
    const Game games[] = {
        {2, 100000, 2030019, RuleSet::Full, true, true},
        {4, 100000, 4070248, RuleSet::Full, true, true, {}, false},
    };
    for (const Game &game : games) {
        expectLedgerAgrees(game);
        SimulationOptions options;
        options.players = game.players;
        options.turns = game.turns;
        options.seed = game.seed;
        options.game = {game.firstRoundBuying, game.doubleGo, game.freeParking, game.rules};
        NoEventLog log;
        Simulation sim(options, log);
        sim.setUp();
        ASSERT_TRUE(sim.run());
        EXPECT_GE(sim.engine().winner(), 0) << "seed " << game.seed;
    }
}

TEST(Money, RentMovesMoneyBetweenPlayersWithoutCreatingAny)
{
    for (const RuleSet rules : {RuleSet::Classic, RuleSet::Full}) {
        SimulationOptions options;
        options.turns = 800;
        options.seed = 4242;
        options.game.rules = rules;
        NoEventLog log;
        Simulation sim(options, log);
        std::vector<MoneyChange> changes;
        sim.engine().setMoneyObserver([&](const MoneyChange &c) { changes.push_back(c); });
        long long total = 0;
        sim.setUp();
        for (int i = 0; i < 4; ++i)
            total += sim.state().Players[i].Money;
        ASSERT_TRUE(sim.run());
        long long betweenPlayers = 0;
        int transfers = 0;
        for (std::size_t i = 0; i < changes.size(); ++i) {
            const MoneyChange &c = changes[i];
            total += c.delta;
            if (c.other != MoneyChange::Other::Player || c.delta > 0)
                continue;
            // A payment to a player is followed at once by its receipt.
            ASSERT_LT(i + 1, changes.size());
            const MoneyChange &receipt = changes[i + 1];
            EXPECT_EQ(receipt.player, c.otherPlayer);
            EXPECT_EQ(receipt.otherPlayer, c.player);
            EXPECT_EQ(receipt.delta, -c.delta);
            betweenPlayers += c.delta + receipt.delta;
            ++transfers;
        }
        EXPECT_EQ(betweenPlayers, 0);
        EXPECT_GT(transfers, 20);
        long long now = 0;
        for (int i = 0; i < 4; ++i)
            now += sim.state().Players[i].Money;
        EXPECT_EQ(now, total);   // every change was seen
    }
}

} // namespace
} // namespace tycora::testing
