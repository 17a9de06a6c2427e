// How the full-rules computer trades: its answers to offers in fixed
// positions, the offers it makes on its turn, and that it does not press an
// offer that was turned down.

#include "support/engine_fixture.h"

#include "game/computer_players.h"
#include "game/lookahead.h"
#include "game/trade_candidates.h"
#include "game/trade_valuation.h"
#include "game/trading.h"

#include <algorithm>
#include <functional>

namespace tycora::testing {
namespace {

constexpr int BowStreet = 16, MarlboroughStreet = 18, VineStreet = 19;
constexpr int Strand = 21, FleetStreet = 23, Trafalgar = 24, Mayfair = 39, ParkLane = 37;
constexpr int KingsCross = 5, Marylebone = 15;

// Ann holds two orange streets, Ben the third; Cal looks on.
GameState position(std::function<void(GameState &)> change = {})
{
    GameState s;
    loadBoard(s);
    s.PlayerCount = 3;
    const char *names[] = {"Ann", "Ben", "Cal"};
    for (int i = 0; i < 3; ++i) {
        s.Players[i].Name = names[i];
        s.Players[i].Money = 1500;
    }
    const auto give = [&](int player, int square) {
        s.Properties[square].Owned = true;
        s.Properties[square].Owner = static_cast<Integer>(player);
    };
    give(0, BowStreet);
    give(0, MarlboroughStreet);
    give(1, VineStreet);
    give(2, KingsCross);
    if (change)
        change(s);
    return s;
}

TradeOffer cashFor(Cash cash, int square, int counters = 0)
{
    TradeOffer o;
    o.from = 0;
    o.to = 1;
    o.gives.cash = cash;
    o.gets.deeds = {square};
    o.counters = counters;
    return o;
}

struct Answering {
    const char *what;
    GameState state;
    TradeOffer offer;
    TradeChoice expected;
    Cash leastAskedInCounter = 0;   // for a counter: the cash it asks at least
};

TEST(ComputerTrading, AnswersOffersByItsOwnMeasure)
{
    // Ann far ahead: her streets are worth much, her cash is low.
    const auto annLeads = [](GameState &s) {
        for (const int sq : {Strand, FleetStreet, Trafalgar, Mayfair, ParkLane, Marylebone}) {
            s.Properties[sq].Owned = true;
            s.Properties[sq].Owner = 0;
        }
    };
    const std::vector<Answering> cases{
        {"a fair price for the street that completes a group", position(), cashFor(900, VineStreet),
         TradeChoice::Accept},
        {"a low price: it asks for more", position(), cashFor(400, VineStreet), TradeChoice::Counter, 700},
        {"the same fair price from a player clearly ahead", position(annLeads), cashFor(900, VineStreet),
         TradeChoice::Counter, 1000},
        {"a player clearly ahead, who cannot pay enough", position([&](GameState &s) {
             annLeads(s);
             s.Players[0].Money = 950;
         }),
         cashFor(900, VineStreet), TradeChoice::Reject},
        {"a low price in a counter: no counter to a counter", position(), cashFor(400, VineStreet, 1),
         TradeChoice::Reject},
        {"cash alone for nothing is taken", position(), [] {
             TradeOffer o;
             o.from = 0;
             o.to = 1;
             o.gives.cash = 50;
             return o;
         }(),
         TradeChoice::Accept},
        {"a street it needs for nothing", position(), [] {
             TradeOffer o = cashFor(0, VineStreet);
             return o;
         }(),
         TradeChoice::Counter, 700},
    };
    for (const Answering &c : cases) {
        const TradeReply reply = FullRulesComputer::replyTo(c.state, c.offer);
        EXPECT_EQ(reply.choice, c.expected) << c.what;
        if (reply.choice != TradeChoice::Counter)
            continue;
        // A counter: the roles reversed, the deeds kept, more cash asked.
        EXPECT_EQ(reply.counter.from, 1) << c.what;
        EXPECT_EQ(reply.counter.to, 0) << c.what;
        EXPECT_EQ(reply.counter.gives.deeds, c.offer.gets.deeds) << c.what;
        EXPECT_EQ(reply.counter.gives.cash, 0) << c.what;
        EXPECT_GE(reply.counter.gets.cash, c.leastAskedInCounter) << c.what;
        EXPECT_LE(reply.counter.gets.cash, c.state.Players[0].Money) << c.what;
        EXPECT_GT(tradeScore(c.state, reply.counter, 1), 0) << c.what;
    }
}

TEST(ComputerTrading, OffersToCompleteAGroupAtAPriceTheOtherSideGainsBy)
{
    const GameState s = position();
    const TradeOffer offer = FullRulesComputer::offerTo(s, 0, 1);
    ASSERT_EQ(offer.from, 0);
    EXPECT_EQ(offer.to, 1);
    EXPECT_EQ(offer.gets.deeds, std::vector<int>{VineStreet});
    EXPECT_GT(offer.gives.cash, 0);
    EXPECT_GT(tradeScore(s, offer, 0), 0);
    EXPECT_GT(tradeScore(s, offer, 1), 0);
    EXPECT_EQ(FullRulesComputer::replyTo(s, offer).choice, TradeChoice::Accept);
    // Nothing to ask of Cal, and nothing of Ben once Ann cannot pay.
    EXPECT_EQ(FullRulesComputer::offerTo(s, 0, 2).from, -1);
    EXPECT_EQ(FullRulesComputer::offerTo(position([](GameState &g) { g.Players[0].Money = 100; }), 0, 1).from, -1);
}

TEST(ComputerTrading, TheOffersWeighedAreThoseTheOtherSideTakesAtTheLeastPrice)
{
    const GameState s = position();
    const std::vector<TradeOffer> offers = acceptableOffers(s, 0, 1);
    bool buysVine = false, sellsTheRest = false;
    for (const TradeOffer &o : offers) {
        const std::string what = tradeSummary(s, o);
        EXPECT_EQ(FullRulesComputer::replyTo(s, o).choice, TradeChoice::Accept) << what;
        // Someone holds the orange group whole after it.
        const GameState after = stateAfterTrade(s, o);
        EXPECT_EQ(after.Properties[BowStreet].Owner, after.Properties[VineStreet].Owner) << what;
        EXPECT_EQ(after.Properties[MarlboroughStreet].Owner, after.Properties[VineStreet].Owner) << what;
        // Ten pounds better for Ann and Ben would not take it.
        TradeOffer cheaper = o;
        if (cheaper.gives.cash >= 10)
            cheaper.gives.cash -= 10;
        else
            cheaper.gets.cash += 10;
        EXPECT_LE(tradeScore(s, cheaper, 1), 0) << what;
        buysVine |= o.gets.deeds == std::vector<int>{VineStreet} && o.gives.deeds.empty();
        sellsTheRest |= o.gives.deeds == std::vector<int>{BowStreet, MarlboroughStreet} && o.gets.deeds.empty();
    }
    EXPECT_TRUE(buysVine);
    EXPECT_TRUE(sellsTheRest);
    // Cal holds nothing that completes a group, nor lacks anything Ann has.
    EXPECT_TRUE(acceptableOffers(s, 0, 2).empty());
}

// Ann a computer, Ben a person who turns her offer down.
class ComputerOffers : public EngineFixture {};

TEST_F(ComputerOffers, AnOfferTurnedDownIsNotMadeAgainThisTurn)
{
    addPlayer("Ann");
    addPlayer("Ben");
    addPlayer("Cal");
    GameOptions options;
    options.rules = RuleSet::Full;
    options.trading = true;
    engine.setOptions(options);
    engine.startGame();
    give(0, BowStreet);
    give(0, MarlboroughStreet);
    give(1, VineStreet);
    FullRulesComputer ann;
    ann.turnToThrow(engine, 0);
    ASSERT_TRUE(screen.tradeAsked);
    EXPECT_EQ(screen.tradeAsked->from, 0);
    EXPECT_EQ(screen.tradeAsked->to, 1);
    // After it one of them holds the whole orange group, at a price Ben
    // gains by.
    const GameState after = stateAfterTrade(engine.state(), *screen.tradeAsked);
    const Integer holder = after.Properties[VineStreet].Owner;
    EXPECT_EQ(after.Properties[BowStreet].Owner, holder);
    EXPECT_EQ(after.Properties[MarlboroughStreet].Owner, holder);
    EXPECT_GT(tradeScore(engine.state(), *screen.tradeAsked, 1), 0);
    EXPECT_FALSE(engine.tmrPause().enabled());   // waiting for Ben
    screen.answerTrade(TradeReply::reject());
    ann.turnToThrow(engine, 0);
    EXPECT_FALSE(screen.tradeAsked);
    EXPECT_TRUE(engine.tmrPause().enabled());    // on to the throw
    EXPECT_EQ(engine.trades(), 0);
}

// A computer inside a future offers by its plain measure: futures of its
// own there would multiply the work past any use.
TEST_F(ComputerOffers, AFutureIsKnownWhilePlayedAndOnlyThen)
{
    addPlayer("Ann");
    addPlayer("Ben");
    GameOptions options;
    options.rules = RuleSet::Full;
    options.trading = true;
    engine.setOptions(options);
    engine.startGame();
    EXPECT_FALSE(playingAFuture());
    const Lookahead ahead(engine, 0, 1, {2, 4});
    int seen = 0;
    ahead.score({{ahead.now(), [&seen](Engine &) { seen += playingAFuture(); }}});
    EXPECT_EQ(seen, 2);
    EXPECT_FALSE(playingAFuture());
}

} // namespace
} // namespace tycora::testing
