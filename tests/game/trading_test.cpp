// Trading under the Full rules: who may offer when, what may change hands,
// the answers (accept, reject, counter), lapsed offers, mortgaged deeds
// changing hands, and the log lines of each.

#include "support/engine_fixture.h"

#include "game/text.h"
#include "game/trading.h"
#include "support/pound.h"

#include <functional>

namespace tycora::testing {
namespace {

constexpr int OldKentRoad = 1, WhitechapelRoad = 3, ParkLane = 37, Mayfair = 39;

// Ann, Ben and Cal, people all, in a full-rules game that trades; Ann to throw.
class Trading : public EngineFixture {
public:
    // The table of refusals sets each game up from outside.
    using EngineFixture::engine;
    using EngineFixture::give;
    using EngineFixture::log;
    using EngineFixture::money;
    using EngineFixture::screen;
    using EngineFixture::scriptDice;
    using EngineFixture::state;
    void TestBody() override {}
    void start(RuleSet rules = RuleSet::Full, bool trading = true)
    {
        addPlayer("Ann");
        addPlayer("Ben");
        addPlayer("Cal");
        GameOptions options;
        options.rules = rules;
        options.trading = trading;
        engine.setOptions(options);
        engine.startGame();
    }
    void SetUp() override { start(); }

    static TradeOffer offer(int from, int to, TradeSide gives, TradeSide gets)
    {
        TradeOffer o;
        o.from = from;
        o.to = to;
        o.gives = std::move(gives);
        o.gets = std::move(gets);
        return o;
    }
    // The lines logged from the offer on.
    std::vector<std::string> linesSince(std::size_t from) const
    {
        return {log.lines.begin() + static_cast<std::ptrdiff_t>(from), log.lines.end()};
    }
    Cash totalMoney() const { return money(0) + money(1) + money(2); }
};

// A case of an offer that may not be sent: how the game stands, the offer,
// and why not.
struct Refusal {
    const char *what;
    std::function<void(Trading &)> setUp;
    TradeOffer offer;
    std::string why;
};

TEST(TradingRules, OffersThatMayNotBeSentAreRefusedWithTheirReason)
{
    const auto offer = [](int from, int to, TradeSide gives, TradeSide gets) {
        TradeOffer o;
        o.from = from;
        o.to = to;
        o.gives = std::move(gives);
        o.gets = std::move(gets);
        return o;
    };
    const std::vector<Refusal> cases{
        {"classic rules", [](Trading &t) { t.start(RuleSet::Classic, true); }, offer(0, 1, {{}, 10, 0}, {}),
         "Trading is not part of this game"},
        {"a full game without trading", [](Trading &t) { t.start(RuleSet::Full, false); },
         offer(0, 1, {{}, 10, 0}, {}), "Trading is not part of this game"},
        {"not the proposer's turn", [](Trading &t) { t.start(); }, offer(1, 0, {{}, 10, 0}, {}),
         "Trade on your own turn"},
        {"a deed the proposer does not hold", [](Trading &t) { t.start(); }, offer(0, 1, {{Mayfair}, 0, 0}, {}),
         "Ann does not hold Mayfair"},
        {"a deed the receiver does not hold",
         [](Trading &t) {
             t.start();
             t.give(2, Mayfair);
         },
         offer(0, 1, {}, {{Mayfair}, 0, 0}), "Ben does not hold Mayfair"},
        {"a street of a group with buildings",
         [](Trading &t) {
             t.start();
             t.give(0, OldKentRoad);
             t.give(0, WhitechapelRoad);
             t.state.Buildings[WhitechapelRoad].Houses = 1;
             --t.state.HousesLeft;
         },
         offer(0, 1, {{OldKentRoad}, 0, 0}, {{}, 50, 0}), "Old Kent Road is in a group with buildings"},
        {"more cash than the proposer holds", [](Trading &t) { t.start(); }, offer(0, 1, {{}, 1501, 0}, {}),
         "Ann does not have " + P + "1501"},
        {"more cash than the receiver holds", [](Trading &t) { t.start(); },
         offer(0, 1, {{}, 5, 0}, {{}, 1600, 0}), "Ben does not have " + P + "1600"},
        {"a card the proposer does not hold", [](Trading &t) { t.start(); }, offer(0, 1, {{}, 0, 1}, {}),
         "Ann does not hold 1 Get Out of Jail Free card"},
        {"nothing on either side", [](Trading &t) { t.start(); }, offer(0, 1, {}, {}),
         "neither side gives anything"},
        {"a bankrupt receiver",
         [](Trading &t) {
             t.start();
             t.state.Players[1].Bankrupt = true;
         },
         offer(0, 1, {{}, 10, 0}, {}), "a bankrupt player cannot trade"},
        {"to oneself", [](Trading &t) { t.start(); }, offer(0, 0, {{}, 10, 0}, {}),
         "a trade is between two different players"},
        {"during the move",
         [](Trading &t) {
             t.start();
             t.scriptDice({1, 2});
             t.engine.rollDice(0);
         },
         offer(0, 1, {{}, 10, 0}, {}), "Trade before you throw the dice"},
    };
    for (const Refusal &c : cases) {
        Trading t;
        c.setUp(t);
        EXPECT_EQ(t.engine.offerProblem(c.offer), c.why) << c.what;
        const std::size_t lines = t.log.lines.size();
        const Cash before = t.money(0);
        EXPECT_FALSE(t.engine.proposeTrade(c.offer)) << c.what;
        EXPECT_EQ(t.log.lines.size(), lines) << c.what;
        EXPECT_EQ(t.money(0), before) << c.what;
        EXPECT_FALSE(t.screen.tradeAsked) << c.what;
    }
}

TEST_F(Trading, AnAcceptedTradeHandsDeedsCashAndCardsOverWithItsLines)
{
    give(0, ParkLane);
    give(1, Mayfair);
    state.JailCardHolder[0] = 1;
    EXPECT_TRUE(engine.mayTrade(0));
    EXPECT_EQ(engine.whyNoTrade(1), "Trade on your own turn");
    const std::size_t from = log.lines.size();
    ASSERT_TRUE(engine.proposeTrade(offer(0, 1, {{ParkLane}, 120, 0}, {{Mayfair}, 0, 1})));
    // The receiving person is asked; the game waits for the answer.
    ASSERT_TRUE(screen.tradeAsked);
    EXPECT_EQ(screen.tradeAsked->id, 1);
    EXPECT_EQ(engine.phase(), Engine::Phase::Trading);
    EXPECT_EQ(engine.whyNoTrade(0), "An offer is waiting for its answer");
    EXPECT_FALSE(engine.settled());
    engine.rollDice(0);
    EXPECT_EQ(engine.phase(), Engine::Phase::Trading);

    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(linesSince(from),
              (std::vector<std::string>{
                  "Ann Offers Ben a Trade: Park Lane, " + P + "120 for Mayfair, Get Out of Jail Free card",
                  "Ben Accepts the Trade",
                  "Ann (" + P + "1500) Trades " + P + "120 to Ben  -->  " + P + "1380"}));
    EXPECT_EQ(screen.status, "Ben Accepts the Trade");
    EXPECT_TRUE(state.holds(1, ParkLane));
    EXPECT_TRUE(state.holds(0, Mayfair));
    EXPECT_EQ(state.JailCardHolder[0], 0);
    EXPECT_EQ(money(0), 1380);
    EXPECT_EQ(money(1), 1620);
    EXPECT_EQ(totalMoney(), 4500);
    EXPECT_EQ(engine.trades(), 1);
    // The turn goes on: Ann may trade again, or throw.
    EXPECT_EQ(engine.phase(), Engine::Phase::ToThrow);
    EXPECT_TRUE(engine.mayTrade(0));
    EXPECT_TRUE(screen.rollEnabled);
}

TEST_F(Trading, ARejectedOfferCannotBeSentAgainUnchangedThisTurn)
{
    give(1, Mayfair);
    const TradeOffer low = offer(0, 1, {{}, 100, 0}, {{Mayfair}, 0, 0});
    ASSERT_TRUE(engine.proposeTrade(low));
    screen.answerTrade(TradeReply::reject());
    EXPECT_EQ(log.lines.back(), "Ben Rejects the Trade");
    EXPECT_EQ(engine.trades(), 0);
    EXPECT_TRUE(state.holds(1, Mayfair));
    EXPECT_EQ(engine.offerProblem(low), "Ben has rejected this offer this turn");
    EXPECT_FALSE(engine.proposeTrade(low));
    // Changed, it may go again; and the same terms to another player too.
    TradeOffer higher = low;
    higher.gives.cash = 150;
    EXPECT_EQ(engine.offerProblem(higher), "");
    ASSERT_TRUE(engine.proposeTrade(higher));
    EXPECT_EQ(screen.tradeAsked->id, 2);
    screen.answerTrade(TradeReply::reject());
}

TEST_F(Trading, ACounterReversesTheRolesAndIsAnsweredByTheProposer)
{
    give(0, ParkLane);
    give(1, Mayfair);
    const TradeOffer swap = offer(0, 1, {{ParkLane}, 0, 0}, {{Mayfair}, 0, 0});
    ASSERT_TRUE(engine.proposeTrade(swap));
    TradeOffer counter = reversed(*screen.tradeAsked);
    counter.gets.cash = 50;
    const std::size_t from = log.lines.size();
    screen.answerTrade(TradeReply::counterWith(counter));
    ASSERT_TRUE(screen.tradeAsked);
    EXPECT_EQ(screen.tradeAsked->from, 1);
    EXPECT_EQ(screen.tradeAsked->to, 0);
    EXPECT_EQ(screen.tradeAsked->counters, 1);
    EXPECT_EQ(engine.phase(), Engine::Phase::Trading);
    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(linesSince(from), (std::vector<std::string>{
                                    "Ben Counters the Trade",
                                    "Ben Offers Ann a Trade: Mayfair for Park Lane, " + P + "50",
                                    "Ann Accepts the Trade",
                                    "Ann (" + P + "1500) Trades " + P + "50 to Ben  -->  " + P + "1450"}));
    EXPECT_TRUE(state.holds(0, Mayfair));
    EXPECT_TRUE(state.holds(1, ParkLane));
    EXPECT_EQ(engine.trades(), 1);
}

TEST_F(Trading, AnOfferLapsesWhenItsItemsAreNoLongerThereAtAcceptance)
{
    give(0, ParkLane);
    ASSERT_TRUE(engine.proposeTrade(offer(0, 1, {{ParkLane}, 0, 0}, {{}, 100, 0})));
    // Meanwhile the deed has gone elsewhere.
    state.Properties[ParkLane].Owner = 2;
    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(log.lines.back(), "The Trade Lapses: Ann does not hold Park Lane");
    EXPECT_EQ(money(0), 1500);
    EXPECT_EQ(money(1), 1500);
    EXPECT_EQ(engine.trades(), 0);
    EXPECT_EQ(engine.phase(), Engine::Phase::ToThrow);

    // A receiver who cannot pay the interest on a mortgaged deed.
    give(0, Mayfair);
    state.Properties[Mayfair].Mortgaged = true;
    state.Players[1].Money = 15;
    ASSERT_TRUE(engine.proposeTrade(offer(0, 1, {{Mayfair}, 0, 0}, {})));
    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(log.lines.back(), "The Trade Lapses: Ben cannot pay for the mortgaged deeds");
    EXPECT_TRUE(state.holds(0, Mayfair));
}

TEST_F(Trading, AMortgagedDeedCostsItsNewHolderTheInterestOrTheLift)
{
    give(0, ParkLane);
    give(0, Mayfair);
    state.Properties[ParkLane].Mortgaged = true;
    state.Properties[Mayfair].Mortgaged = true;
    EXPECT_EQ(mortgageInterest(ParkLane), 18);   // a tenth of 175, rounded up
    std::size_t from = log.lines.size();
    ASSERT_TRUE(engine.proposeTrade(offer(0, 1, {{ParkLane}, 0, 0}, {{}, 100, 0})));
    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(linesSince(from + 2), (std::vector<std::string>{
                                        "Ben (" + P + "1500) Trades " + P + "100 to Ann  -->  " + P + "1400",
                                        "Ben (" + P + "1400) Pays " + P + "18 interest on Park Lane  -->  " + P + "1382"}));
    EXPECT_TRUE(state.Properties[ParkLane].Mortgaged);
    EXPECT_TRUE(state.holds(1, ParkLane));

    from = log.lines.size();
    ASSERT_TRUE(engine.proposeTrade(offer(0, 2, {{Mayfair}, 0, 0}, {{}, 10, 0})));
    screen.answerTrade(TradeReply::accept({Mayfair}));
    EXPECT_EQ(linesSince(from + 2), (std::vector<std::string>{
                                        "Cal (" + P + "1500) Trades " + P + "10 to Ann  -->  " + P + "1490",
                                        "Cal (" + P + "1490) Unmortgages Mayfair  -->  " + P + "1270"}));
    EXPECT_FALSE(state.Properties[Mayfair].Mortgaged);

    // The proposer lifts a mortgage on a deed they get, as their offer says.
    state.Properties[ParkLane].Mortgaged = true;
    TradeOffer lifting = offer(0, 1, {{}, 50, 0}, {{ParkLane}, 0, 0});
    lifting.lifts = {ParkLane};
    from = log.lines.size();
    const Cash before = money(0);
    ASSERT_TRUE(engine.proposeTrade(lifting));
    screen.answerTrade(TradeReply::accept());
    EXPECT_EQ(log.lines.back(), "Ann (" + P + number(before - 50) + ") Unmortgages Park Lane  -->  " + P +
                                    number(before - 50 - 193));
    EXPECT_FALSE(state.Properties[ParkLane].Mortgaged);
}

TEST_F(Trading, NoTradingWhileRaisingMoney)
{
    give(1, Mayfair);
    state.Buildings[Mayfair].Hotel = true;
    state.Buildings[Mayfair].Houses = 4;
    give(1, ParkLane);
    give(0, OldKentRoad);
    give(0, 5);   // King's Cross Station
    state.Players[0].Money = 1900;
    landOn(0, Mayfair);   // a rent of 2000
    ASSERT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    EXPECT_EQ(engine.whyNoTrade(0), "No trading while money is being raised");
    EXPECT_FALSE(engine.proposeTrade(offer(0, 1, {{OldKentRoad}, 0, 0}, {{}, 500, 0})));
}

} // namespace
} // namespace tycora::testing
