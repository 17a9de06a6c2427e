// Trades in a saved game's history: offers, acceptances, rejections and
// counters are written, read back as they were, and replayed to the same
// game; an entry that could not be a trade is refused.

#include "game/computer_players.h"
#include "game/replay.h"
#include "save/game_document.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace tycora::testing {
namespace {

bool hasReply(const SavedGame &game, TradeChoice choice)
{
    return std::any_of(game.history.begin(), game.history.end(), [&](const Decision &d) {
        return d.kind == Decision::Kind::Reply && d.value == static_cast<int>(choice);
    });
}

// A computer that haggles: it answers every first offer by asking £10 more.
class Haggler final : public FullRulesComputer {
public:
    void answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer) override
    {
        TradeOffer counter = reversed(offer);
        counter.gets.cash += 10;
        if (offer.counters == 0 && counter.gets.cash <= engine.state().Players[offer.from].Money)
            answer(TradeReply::counterWith(counter));
        else
            FullRulesComputer::answerTrade(engine, offer, answer);
    }
};

// A game of trading computers, one of them haggling, long enough to hold
// every kind of reply.
SavedGame tradingGame()
{
    for (std::uint64_t seed = 1; seed < 40; ++seed) {
        NoEventLog log;
        SimulationOptions o;
        o.players = 4;
        o.turns = 300;
        o.seed = seed;
        o.game.rules = RuleSet::Full;
        o.game.trading = true;
        o.recordHistory = true;
        Simulation sim(o, log);
        for (int seat = 0; seat < 4; ++seat)
            sim.engine().setController(seat, std::make_unique<Haggler>());
        sim.setUp();
        sim.run();
        const SavedGame game = sim.capture();
        if (hasReply(game, TradeChoice::Accept) && hasReply(game, TradeChoice::Reject) &&
            hasReply(game, TradeChoice::Counter))
            return game;
    }
    return {};
}

TEST(TradingHistory, OffersAndRepliesAreSavedReadBackAndReplayed)
{
    const SavedGame game = tradingGame();
    ASSERT_TRUE(hasReply(game, TradeChoice::Counter)) << "no game with a counter";
    EXPECT_TRUE(game.options.trading);
    const QByteArray document = save::gameDocument(game, TestProvenance);
    const save::ReadGame loaded = save::readGameDocument(document);
    ASSERT_EQ(loaded.problem, "");
    EXPECT_TRUE(loaded.game.options.trading);
    EXPECT_EQ(loaded.game.history, game.history);
    NoEventLog quiet;
    EXPECT_EQ(replayDifference(loaded.game, quiet), "");

    // How an offer and its replies are written.
    const QJsonArray history = QJsonDocument::fromJson(document).object()["history"].toArray();
    int offers = 0, counters = 0;
    for (const QJsonValue &entry : history) {
        const QJsonObject o = entry.toObject();
        if (o.contains("offer")) {
            ++offers;
            const QJsonObject offer = o["offer"].toObject();
            for (const char *key : {"to", "gives", "gets", "lifts", "counters"})
                EXPECT_TRUE(offer.contains(key)) << key;
            EXPECT_TRUE(offer["gives"].toObject().contains("deeds"));
            EXPECT_TRUE(offer["gives"].toObject().contains("cash"));
            EXPECT_TRUE(offer["gives"].toObject().contains("jailCards"));
        }
        if (o["reply"].toString() == "Counter") {
            ++counters;
            EXPECT_GT(o["counter"].toObject()["counters"].toInt(), 0);
        }
    }
    EXPECT_GT(offers, 0);
    EXPECT_GT(counters, 0);
}

TEST(TradingHistory, ATradeAGameCouldNotHoldIsRefused)
{
    const SavedGame game = tradingGame();
    ASSERT_FALSE(game.history.empty());
    QJsonObject root = QJsonDocument::fromJson(save::gameDocument(game, TestProvenance)).object();
    QJsonArray history = root["history"].toArray();
    qsizetype at = 0;
    while (at < history.size() && !history[at].toObject().contains("offer"))
        ++at;
    ASSERT_LT(at, history.size());
    const QJsonObject good = history[at].toObject();
    const auto refused = [&](QJsonObject entry) {
        history[at] = entry;
        root["history"] = history;
        return save::readGameDocument(QJsonDocument(root).toJson()).problem;
    };
    QJsonObject toNobody = good, offer = good["offer"].toObject();
    offer["to"] = 7;
    toNobody["offer"] = offer;
    EXPECT_NE(refused(toNobody), "");
    QJsonObject notADeed = good;
    offer = good["offer"].toObject();
    QJsonObject gives = offer["gives"].toObject();
    gives["deeds"] = QJsonArray{0};   // GO
    offer["gives"] = gives;
    notADeed["offer"] = offer;
    EXPECT_NE(refused(notADeed), "");
    QJsonObject badReply = good;
    badReply.remove("offer");
    badReply["reply"] = "Maybe";
    EXPECT_NE(refused(badReply), "");
    EXPECT_EQ(refused(good), "");
}

} // namespace
} // namespace tycora::testing
