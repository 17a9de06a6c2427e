// The person's side of a game on a server: the moves the board starts go
// out through the table's commands, an offer of a trade reaches the other
// person's screen and their answer comes back, and what the board may offer
// follows what the server says is open, for this seat alone.

#include "client/online_client.h"
#include "client/online_table.h"
#include "game/manual_clock.h"
#include "net/game_server.h"
#include "net/protocol.h"
#include "script_client.h"
#include "support/recording_log.h"
#include "support/recording_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tycora::testing {
namespace {

struct Person {
    explicit Person() : table(client, state, screen, log)
    {
        QObject::connect(&client, &client::OnlineClient::refused, [this](const QString &m) { refusals << m; });
    }
    bool wrote(const std::string &line) const
    {
        return std::find(log.lines.begin(), log.lines.end(), line) != log.lines.end();
    }

    client::OnlineClient client;
    GameState state;
    RecordingScreen screen;
    RecordingLog log;
    client::OnlineTable table;
    QStringList refusals;
};

class OnlineTableCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.setSeedSource([] { return 99; });
        QString problem;
        ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), 0, &problem));
        const QUrl url(QStringLiteral("ws://127.0.0.1:%1").arg(server.port()));
        ann.client.host(url, {"Ann", "Hat", "Red"}, {"Full", true, false, false, "Instant"});
        ASSERT_TRUE(waitFor([&] { return ann.client.seated(); }));
        ben.client.join(url, ann.client.code(), {"Ben", "Car", "Blue"});
        ASSERT_TRUE(waitFor([&] { return ben.client.seated(); }));
        ann.client.start();
        ASSERT_TRUE(waitFor([&] { return ann.screen.rollEnabled && ben.table.started(); }));
    }

    ManualClock clock;
    net::GameServer server{clock};
    Person ann, ben;
};

TEST_F(OnlineTableCommands, AnOfferReachesTheOtherPersonAndTheirAnswerComesBack)
{
    EXPECT_TRUE(ann.table.moves().tradingOn());
    EXPECT_EQ(ann.table.moves().whyNoTrade(0), "");
    EXPECT_EQ(ben.table.moves().whyNoTrade(0), "Trade on your own turn") << "Ann trades from her own machine";
    EXPECT_EQ(ben.table.moves().whyNoTrade(1), "Trade on your own turn");

    TradeOffer gift;
    gift.from = 0;
    gift.to = 1;
    gift.gives.cash = 10;
    EXPECT_EQ(ann.table.moves().offerProblem(gift), "");
    ann.table.proposeTrade(gift);
    ASSERT_TRUE(waitFor([&] { return ben.screen.tradeAsked.has_value(); }));
    EXPECT_EQ(*ben.screen.tradeAsked, gift);
    EXPECT_FALSE(ann.screen.tradeAsked) << "only the receiver is asked";
    EXPECT_TRUE(ann.wrote("Ann Offers Ben a Trade: £10 for nothing"));

    ben.screen.answerTrade(TradeReply::accept());
    ASSERT_TRUE(waitFor([&] { return ann.wrote("Ben Accepts the Trade"); }));
    ASSERT_TRUE(waitFor([&] { return ben.state.Players[1].Money == 1510; }));
    EXPECT_EQ(ann.state.Players[0].Money, 1490);
    EXPECT_TRUE(ann.refusals.isEmpty() && ben.refusals.isEmpty());
}

TEST_F(OnlineTableCommands, TheBoardOffersDeedsOnlyToTheSeatWhoseTurnItIsAndTheServerSaysNoToTheRest)
{
    EXPECT_EQ(ann.table.moves().deedActor(), 0);
    EXPECT_EQ(ben.table.moves().deedActor(), -1);
    EXPECT_FALSE(ann.table.moves().raisingMoney());
    EXPECT_TRUE(ann.table.moves().mortgageableSquares(0).empty()) << "Ann holds no deed yet";

    ben.table.mortgage(1, 1);
    ASSERT_TRUE(waitFor([&] { return !ben.refusals.isEmpty(); }));
    EXPECT_EQ(ben.refusals.front(), "the rules do not allow that now");
    TradeOffer notHers;
    notHers.from = 1;
    notHers.to = 0;
    notHers.gives.cash = 5;
    ben.table.proposeTrade(notHers);
    ASSERT_TRUE(waitFor([&] { return ben.refusals.size() == 2; }));
    EXPECT_EQ(ben.refusals.back(), "Trade on your own turn");
    ben.table.declareBankruptcy(1);
    ASSERT_TRUE(waitFor([&] { return ben.refusals.size() == 3; }));
    EXPECT_EQ(ben.refusals.back(), "the rules do not allow that now");
}

TEST_F(OnlineTableCommands, EachPersonsStateFollowsTheServersThroughAGame)
{
    // Each buys the first few deeds offered, so deeds, money and places
    // all change, and nobody runs short.
    for (Person *p : {&ann, &ben})
        p->screen.answers.assign(4, true);
    const GameState &served = server.room(ann.client.code())->state();
    const auto sameAsServed = [&](const Person &p) {
        return net::publicState(p.state) == net::publicState(served);
    };
    int throws = 0;
    for (int step = 0; step < 20000 && throws < 24; ++step) {
        for (Person *p : {&ann, &ben})
            if (p->screen.rollEnabled) {
                // Whenever a throw is offered, the person's state is the
                // server's as it stands.
                ASSERT_TRUE(waitFor([&] { return sameAsServed(ann) && sameAsServed(ben); })) << "throw " << throws;
                p->table.rollDice(p->client.seat());
                ++throws;
            }
        // News from the server, or else the game's own timers.
        const std::size_t seen = ann.screen.calls.size() + ben.screen.calls.size();
        if (!waitFor([&] { return ann.screen.calls.size() + ben.screen.calls.size() > seen; }, 20))
            clock.advanceToNextTick();
    }
    EXPECT_EQ(throws, 24);
    EXPECT_TRUE(std::any_of(served.Properties.begin(), served.Properties.end(), [](const Property &p) { return p.Owned; }));
}

TEST_F(OnlineTableCommands, AfterAReconnectTheDiceShowTheLastThrowAgain)
{
    ann.table.rollDice(0);
    ASSERT_TRUE(waitFor([&] { return ann.screen.dice[1] > 0 && ann.screen.dice[2] > 0; }));
    const int die1 = ann.screen.dice[1];
    const int die2 = ann.screen.dice[2];
    ann.screen.dice[1] = ann.screen.dice[2] = 0;
    ann.screen.calls.clear();

    ann.client.abortConnection();
    ASSERT_TRUE(ann.client.lost());
    ann.client.retryNow();
    ASSERT_TRUE(waitFor([&] { return !ann.client.lost() && ann.screen.dice[1] > 0; }));
    EXPECT_EQ(ann.screen.dice[1], die1);
    EXPECT_EQ(ann.screen.dice[2], die2);
}

} // namespace
} // namespace tycora::testing
