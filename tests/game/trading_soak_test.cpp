// Whole full-rules games of trading computers: every trade hands over
// exactly what was agreed, cash and deeds are neither made nor lost (only
// the bank's charges on mortgaged deeds leave), and the games still end
// with a winner.

#include "game/rules.h"
#include "game/simulation.h"
#include "game/square_table.h"
#include "support/recording_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tycora::testing {
namespace {

// Checks each trade when it has been carried out: the engine refreshes the
// money last of all.
class TradeWatch final : public RecordingScreen {
public:
    Engine *engine = nullptr;
    GameState *state = nullptr;
    std::vector<std::string> breaches;
    long long checked = 0;
    long long bankCharges = 0;   // taken by the bank since the acceptance

    void offered(const TradeOffer &offer) { open = offer; }
    void accepted()
    {
        before = *state;
        bankCharges = 0;
    }
    void refreshMoney() override
    {
        if (!engine || engine->trades() == checked)
            return;
        checked = engine->trades();
        check();
    }

private:
    TradeOffer open;
    GameState before;

    void breach(const std::string &what) { breaches.push_back(what + " in trade " + std::to_string(checked)); }

    static Cash money(const GameState &s)
    {
        Cash sum = 0;
        for (int i = 0; i < s.PlayerCount; ++i)
            sum += s.Players[i].Money;
        return sum;
    }

    void check()
    {
        const GameState &now = *state;
        if (money(now) + bankCharges != money(before))
            breach("cash made or lost");
        Cash mostCharges = 0, leastCharges = 0;
        std::vector<int> moved;
        for (const int sq : ownableSquares()) {
            const Property &a = before.Properties[sq], &b = now.Properties[sq];
            if (a.Owned != b.Owned)
                breach("a deed came or went");
            if (a.Owner == b.Owner)
                continue;
            moved.push_back(sq);
            if (a.Mortgaged) {
                mostCharges += unmortgagePrice(sq);
                leastCharges += (squareInfo(sq).mortgageValue + 9) / 10;
            }
        }
        if (bankCharges < leastCharges || bankCharges > mostCharges)
            breach("the bank's charges are not the mortgages'");
        std::vector<int> agreed = open.gives.deeds;
        agreed.insert(agreed.end(), open.gets.deeds.begin(), open.gets.deeds.end());
        std::sort(agreed.begin(), agreed.end());
        if (moved != agreed)
            breach("other deeds changed hands than were agreed");
        for (const int sq : open.gives.deeds)
            if (!now.holds(open.to, sq))
                breach("a deed given did not reach the receiver");
        for (const int sq : open.gets.deeds)
            if (!now.holds(open.from, sq))
                breach("a deed asked for did not reach the proposer");
        if (now.jailCards(open.from) + now.jailCards(open.to) != before.jailCards(open.from) + before.jailCards(open.to))
            breach("a card came or went");
    }
};

TEST(TradingSoak, EveryTradeHandsOverWhatWasAgreedAndGamesStillEnd)
{
    // The computers judge their offers by playing futures: each game costs
    // more and holds more trades, so fewer games are played.
    constexpr int Games = 24;
    int won = 0;
    long long trades = 0;
    for (int g = 0; g < Games; ++g) {
        SimulationOptions options;
        options.players = 2 + g % 3;
        options.turns = 2000;
        options.seed = 0x7ade'0000ULL + static_cast<std::uint64_t>(g) * 7919;
        options.game.rules = RuleSet::Full;
        options.game.trading = true;
        options.game.freeParkingPot = g % 4 == 1;
        NoEventLog log;
        TradeWatch watch;
        Simulation sim(options, log, &watch);
        watch.engine = &sim.engine();
        watch.state = &sim.state();
        sim.engine().setDecisionObserver([&watch](const Decision &d) {
            if (d.kind == Decision::Kind::Offer)
                watch.offered(*d.trade.get());
            else if (d.kind == Decision::Kind::Reply && d.value == int(TradeChoice::Counter))
                watch.offered(*d.trade.get());
            else if (d.kind == Decision::Kind::Reply && d.value == int(TradeChoice::Accept))
                watch.accepted();
        });
        sim.engine().setMoneyObserver([&watch](const MoneyChange &c) {
            if (c.other == MoneyChange::Other::Bank && c.delta < 0)
                watch.bankCharges -= c.delta;
        });
        sim.setUp();
        ASSERT_TRUE(sim.run()) << "game " << g << " stood still";
        ASSERT_TRUE(watch.breaches.empty()) << "game " << g << ": " << watch.breaches.front();
        trades += sim.engine().trades();
        won += sim.engine().winner() >= 0;
    }
    EXPECT_GT(trades, Games / 4);   // computers do trade
    EXPECT_GE(won, Games * 95 / 100);
}

} // namespace
} // namespace tycora::testing
