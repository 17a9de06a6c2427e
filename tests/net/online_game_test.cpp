// A game played over the network on 127.0.0.1: the server in this process,
// its games on a manual clock, scripted players as WebSocket clients.

#include "game/manual_clock.h"
#include "net/game_server.h"
#include "script_client.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace tycora::testing {
namespace {

constexpr std::uint64_t Seed = 0x1234567890ABCDEFull;

class OnlineGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = std::make_unique<net::GameServer>(clock, net::ServerTimings{10'000, 30'000, 60'000});
        server->setSeedSource([] { return Seed; });
        QString problem;
        ASSERT_TRUE(server->listen(QStringLiteral("127.0.0.1"), 0, &problem)) << problem.toStdString();
    }

    std::unique_ptr<ScriptClient> client() { return std::make_unique<ScriptClient>(server->port()); }

    // Ann hosts, Ben joins, Ann starts.
    void twoPeople(const QString &rules = QStringLiteral("Classic"))
    {
        ann = client();
        ann->send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}, {"rules", rules},
                   {"pace", "Instant"}});
        ASSERT_TRUE(ann->waitForType("joined"));
        code = ann->ofType("joined")[0].value("code").toString();
        ASSERT_EQ(code.size(), 6);
        ben = client();
        ben->send({{"type", "join"}, {"code", code}, {"name", "Ben"}, {"piece", "Car"}, {"colour", "Blue"}});
        ASSERT_TRUE(ben->waitForType("joined"));
        EXPECT_EQ(ben->ofType("joined")[0].value("seat").toInt(), 1);
        ann->send({{"type", "start"}});
        ASSERT_TRUE(waitFor([&] { return mayThrow(*ann, 0); }));
    }

    // The last word on Roll Dice a client saw: offered to the player.
    static bool mayThrow(const ScriptClient &c, int player)
    {
        bool offered = false;
        for (const QJsonObject &e : c.events())
            if (e.value("call") == "setRollEnabled")
                offered = e.value("enabled").toBool() && e.value("player").toInt() == player;
        return offered;
    }

    // Plays on the manual clock, each person saying no to every purchase,
    // until the player is offered the throw.
    bool playUntilThrowOf(int player)
    {
        for (int step = 0; step < 5000; ++step) {
            QCoreApplication::processEvents();
            for (ScriptClient *c : {ann.get(), ben.get()}) {
                if (!c)
                    continue;
                const auto events = c->events();
                if (events.empty() || answered.count(events.size()))
                    continue;
                // No to every purchase, no bid, and a throw to leave jail.
                const QString call = events.back().value("call").toString();
                QJsonObject reply;
                if (call == "ask")
                    reply = {{"type", "answer"}, {"yes", false}};
                else if (call == "askBid")
                    reply = {{"type", "bid"}, {"amount", 0}};
                else if (call == "askJail")
                    reply = {{"type", "jail"}, {"choice", "Throw"}};
                else
                    continue;
                answered.insert(events.size());
                const int asked = events.back().value("player").toInt();
                (asked == 0 ? ann : ben)->send(reply);
                waitFor([&] { return c->events().size() > events.size(); });
            }
            if (mayThrow(*ann, player) && server->room(code)->engine()->settled())
                return true;
            // The game's own timers, or else news from the server.
            if (!clock.advanceToNextTick()) {
                const std::size_t before = ann->received.size();
                waitFor([&] { return ann->received.size() > before; }, 200);
            }
        }
        return false;
    }

    QString stateText() const
    {
        return QString::fromUtf8(
            QJsonDocument(net::publicState(server->room(code)->state())).toJson(QJsonDocument::Compact));
    }

    ManualClock clock;
    std::unique_ptr<net::GameServer> server;
    std::unique_ptr<ScriptClient> ann, ben;
    QString code;
    std::set<std::size_t> answered;
};

TEST_F(OnlineGame, EachPersonPlaysOnlyTheirOwnTurnAndBothSeeTheSameLines)
{
    twoPeople();
    const std::size_t before = ben->received.size();
    ben->send({{"type", "throw"}});
    ASSERT_TRUE(ben->waitForType("error", before));
    EXPECT_EQ(ben->ofType("error", before)[0].value("message").toString(), "it is not your throw");

    ann->send({{"type", "throw"}});
    ASSERT_TRUE(waitFor([&] { return !mayThrow(*ann, 0); }));
    ASSERT_TRUE(playUntilThrowOf(1));
    const std::vector<QString> lines = ann->logLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Player 0:  Ann, Hat, Red, Human");
    EXPECT_EQ(lines[1], "Player 1:  Ben, Car , Blue, Human");
    EXPECT_TRUE(lines[2].startsWith(QString::fromUtf8("Ann (\xC2\xA3" "1500) rolls:  "))) << lines[2].toStdString();
    ASSERT_TRUE(waitFor([&] { return ben->logLines() == ann->logLines(); }));

    const std::size_t mark = ann->received.size();
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(ann->waitForType("error", mark));
    EXPECT_EQ(ann->ofType("error", mark)[0].value("message").toString(), "it is not your throw");
    ben->send({{"type", "throw"}});
    ASSERT_TRUE(waitFor([&] { return ben->logLines().size() > lines.size(); }));
    EXPECT_TRUE(ben->logLines()[lines.size()].startsWith("Ben (")) << ben->logLines()[lines.size()].toStdString();
}

TEST_F(OnlineGame, OnlyTheHostStartsAndAddsComputers)
{
    ann = client();
    ann->send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}});
    ASSERT_TRUE(ann->waitForType("joined"));
    code = ann->ofType("joined")[0].value("code").toString();
    ben = client();
    // Names are judged as the set-up judges them: alike names are one name,
    // and a name never passes for part of an event line.
    const struct {
        QString name;
        const char *error;
    } refused[] = {
        {"ann", "Ann is playing already"},
        {QString::fromUtf8("\xEF\xBC\xA1nn"), "Ann is playing already"},   // a full-width A
        {"Game Ended: Ben", "a name may not hold \": \" or \"-->\""},
        {"Ben-->", "a name may not hold \": \" or \"-->\""},
        {QString::fromUtf8("Ben\xE2\x80\xAE"), "a name may not hold control or invisible characters"},
        {"   ", "a name is 1 to 20 characters"},
    };
    for (const auto &r : refused) {
        const std::size_t mark = ben->received.size();
        ben->send({{"type", "join"}, {"code", code}, {"name", r.name}, {"piece", "Car"}, {"colour", "Blue"}});
        ASSERT_TRUE(ben->waitForType("error", mark)) << r.name.toStdString();
        EXPECT_EQ(ben->ofType("error", mark)[0].value("message").toString().toStdString(), r.error)
            << r.name.toStdString();
    }
    ben->send({{"type", "join"}, {"code", code}, {"name", "Ben"}, {"piece", "Car"}, {"colour", "Blue"}});
    ASSERT_TRUE(ben->waitForType("joined"));
    for (const char *type : {"start", "addComputer", "end"}) {
        const std::size_t mark = ben->received.size();
        ben->send({{"type", type}});
        ASSERT_TRUE(ben->waitForType("error", mark)) << type;
        EXPECT_TRUE(ben->ofType("error", mark)[0].value("message").toString().startsWith("only the host")) << type;
    }
    ann->send({{"type", "addComputer"}});
    ASSERT_TRUE(waitFor([&] { return server->room(code)->seats().size() == 3; }));
    EXPECT_EQ(server->room(code)->seats()[2].name, "Computer 1");
    EXPECT_EQ(server->room(code)->seats()[2].piece, "Dog");
    EXPECT_EQ(server->room(code)->seats()[2].colour, "Green");
}

struct BadMessage {
    const char *what;
    QString text;
    const char *error;   // the start of the error sent back
    bool dropped;
};

TEST_F(OnlineGame, BadMessagesAreRefusedAndChangeNothing)
{
    twoPeople(QStringLiteral("Full"));
    // A second game, which no bad message may touch.
    ScriptClient other(server->port());
    other.send({{"type", "host"}, {"name", "Cy"}, {"piece", "Dog"}, {"colour", "Green"}});
    ASSERT_TRUE(other.waitForType("joined"));

    const std::vector<BadMessage> table{
        {"not JSON", "{\"type\":", "the message is not JSON", false},
        {"not an object", "[1,2]", "the message is not a JSON object", false},
        {"no type", "{\"x\":1}", "the message has no type", false},
        {"an unknown command", "{\"type\":\"fly\"}", "\"fly\" is no command of the game", false},
        {"out of turn", "{\"type\":\"throw\"}", "it is not your throw", false},
        {"an answer never asked", "{\"type\":\"answer\",\"yes\":true}", "you were not asked", false},
        {"a bid out of turn", "{\"type\":\"bid\",\"amount\":10}", "it is not your bid", false},
        {"a negative bid", "{\"type\":\"bid\",\"amount\":-5}", "a bid is a whole number", false},
        {"a square off the board", "{\"type\":\"build\",\"square\":40}", "a square is a number from 0 to 39", false},
        {"a build the rules refuse", "{\"type\":\"mortgage\",\"square\":1}", "the rules do not allow that now", false},
        {"a pace set by a guest", "{\"type\":\"pace\",\"pace\":\"Fast\"}", "only the host sets the pace", false},
        {"a card nobody holds", "{\"type\":\"jail\",\"choice\":\"UseCard\"}", "you hold no Get Out of Jail", false},
        {"an oversize message", "{\"type\":\"throw\",\"pad\":\"" + QString(70 * 1024, 'x') + "\"}", "", true},
    };
    const QString stateBefore = stateText();
    for (const BadMessage &bad : table) {
        const std::size_t mark = ben->received.size();
        ben->sendText(bad.text);
        if (bad.dropped) {
            EXPECT_TRUE(waitFor([&] { return ben->closed; })) << bad.what;
        } else {
            ASSERT_TRUE(ben->waitForType("error", mark)) << bad.what;
            EXPECT_TRUE(ben->ofType("error", mark)[0].value("message").toString().startsWith(bad.error))
                << bad.what << ": " << ben->ofType("error", mark)[0].value("message").toString().toStdString();
        }
        EXPECT_EQ(stateText().toStdString(), stateBefore.toStdString()) << bad.what << " changed the game";
    }

    // A flood: the client is dropped after twenty messages in a second.
    ScriptClient flooder(server->port());
    for (int i = 0; i < 30; ++i)
        flooder.send({{"type", "ping"}});
    EXPECT_TRUE(waitFor([&] { return flooder.closed; }));
    bool toldWhy = false;
    for (const QJsonObject &e : flooder.ofType("error"))
        toldWhy |= e.value("message").toString() == "more than 20 messages a second";
    EXPECT_TRUE(toldWhy);

    EXPECT_EQ(stateText().toStdString(), stateBefore.toStdString());
    EXPECT_FALSE(ann->closed);
    EXPECT_FALSE(other.closed);
    const std::size_t mark = other.received.size();
    other.send({{"type", "addComputer"}});
    EXPECT_TRUE(other.waitForType("game", mark)) << "the other game goes on";
}

TEST_F(OnlineGame, NoMessageCarriesTheSeedOrTheDecksOrder)
{
    twoPeople(QStringLiteral("Full"));
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(playUntilThrowOf(1));
    ben->send({{"type", "throw"}});
    ASSERT_TRUE(playUntilThrowOf(0));
    const QString seedDecimal = QString::number(Seed);
    const QString seedHex = QString::number(Seed, 16);
    for (const ScriptClient *c : {ann.get(), ben.get()})
        for (const QString &text : c->raw) {
            EXPECT_FALSE(text.contains(seedDecimal) || text.contains(seedHex, Qt::CaseInsensitive)) << text.toStdString();
            EXPECT_FALSE(text.contains("\"seed\"") || text.contains("\"draws\"") || text.contains("\"cards\""))
                << text.toStdString();
        }
}

TEST_F(OnlineGame, APlayerWhoDropsComesBackWithTheTokenAndAfterTheGraceAComputerPlays)
{
    twoPeople();
    const QString token = ben->ofType("joined")[0].value("token").toString();
    ASSERT_FALSE(token.isEmpty());
    ben->socket.close();
    ASSERT_TRUE(ann->waitForType("seatLeft"));

    ben = client();
    ben->send({{"type", "rejoin"}, {"code", code}, {"token", "wrong"}});
    ASSERT_TRUE(ben->waitForType("error"));
    ben->send({{"type", "rejoin"}, {"code", code}, {"token", token}});
    ASSERT_TRUE(ben->waitForType("joined"));
    EXPECT_EQ(ben->ofType("joined")[0].value("seat").toInt(), 1);
    ASSERT_TRUE(ben->waitForType("game"));
    const QJsonObject whole = ben->ofType("game").back();
    EXPECT_TRUE(whole.value("started").toBool());
    EXPECT_EQ(whole.value("state").toObject().value("players").toArray().size(), 2);

    // Gone again, past the grace period: a computer plays Ben's turns.
    ben->socket.close();
    ASSERT_TRUE(waitFor([&] { return ann->ofType("seatLeft").size() == 2; }));
    // A minute in which Ann is heard from between the pings.
    for (int ping = 0; ping < 6; ++ping) {
        clock.advance(10'000);
        const std::size_t mark = ann->received.size();
        ann->send({{"type", "answer"}, {"yes", false}});
        ASSERT_TRUE(ann->waitForType("error", mark));
    }
    ASSERT_TRUE(ann->waitForType("standIn"));
    EXPECT_FALSE(ann->closed);
    ben.reset();
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(waitFor([&] { return !mayThrow(*ann, 0); }));
    ASSERT_TRUE(playUntilThrowOf(0)) << "the computer threw for Ben and the turn came back";
    bool benThrew = false;
    for (const QString &line : ann->logLines())
        benThrew |= line.startsWith("Ben (") && line.contains("rolls:");
    EXPECT_TRUE(benThrew);
}

} // namespace
} // namespace tycora::testing

namespace tycora::testing {
namespace {

TEST_F(OnlineGame, AGameCapturedAtAHandOverGoesOnExactlyInAnotherRoom)
{
    twoPeople(QStringLiteral("Full"));
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(playUntilThrowOf(1));
    net::GameRoom &first = *server->room(code);
    const SavedGame saved = first.capture();

    std::vector<QJsonObject> sent;
    net::GameRoom second(QStringLiteral("SECOND"), clock, 1, [&](int, const QJsonObject &m) { sent.push_back(m); });
    second.resumeFrom(saved, first.seats());
    EXPECT_EQ(firstDifference(second.state(), first.state()), "");
    EXPECT_FALSE(second.seats()[1].connected) << "every person is away until they come back";

    // Ben's throw in both: the same dice, the same lines.
    const std::size_t mark = ben->logLines().size();
    ben->send({{"type", "throw"}});
    ASSERT_TRUE(waitFor([&] { return ben->logLines().size() > mark; }));
    ASSERT_EQ(second.command(1, {QStringLiteral("throw"), {}}).toStdString(), "");
    QCoreApplication::processEvents();
    QString secondLine;
    for (const QJsonObject &m : sent)
        for (const QJsonValue &e : m.value("events").toArray())
            if (e.toObject().value("call") == "log" && secondLine.isEmpty())
                secondLine = e.toObject().value("line").toString();
    EXPECT_EQ(secondLine.toStdString(), ben->logLines()[mark].toStdString());
}

} // namespace
} // namespace tycora::testing

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tycora::testing {
namespace {

TEST_F(OnlineGame, ARestartedServerGoesOnWithItsGamesAndThePlayersComeBack)
{
    QTemporaryDir data;
    EXPECT_TRUE(server->keepGamesIn(data.path()).isEmpty());
    twoPeople(QStringLiteral("Full"));
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(playUntilThrowOf(1));
    const QString before = stateText();
    const QString annToken = ann->ofType("joined")[0].value("token").toString();

    // The server stops as a crash would leave it: only its files remain.
    ann.reset();
    ben.reset();
    server.reset();
    ASSERT_TRUE(QFile::exists(QDir(data.path()).filePath(code + ".tycora")));
    server = std::make_unique<net::GameServer>(clock);
    QString problem;
    ASSERT_TRUE(server->listen(QStringLiteral("127.0.0.1"), 0, &problem));
    EXPECT_TRUE(server->keepGamesIn(data.path()).isEmpty());
    ASSERT_NE(server->room(code), nullptr);
    EXPECT_EQ(stateText().toStdString(), before.toStdString());

    ann = client();
    ann->send({{"type", "rejoin"}, {"code", code}, {"token", annToken}});
    ASSERT_TRUE(ann->waitForType("game"));
    EXPECT_EQ(ann->ofType("joined")[0].value("seat").toInt(), 0);
    EXPECT_EQ(QJsonDocument(ann->ofType("game").back().value("state").toObject()).toJson(QJsonDocument::Compact),
              before.toUtf8());
}

TEST_F(OnlineGame, AKeptGameWithBrokenSeatsIsLeftOutWithAReason)
{
    QTemporaryDir data;
    server->keepGamesIn(data.path());
    twoPeople();
    ann->send({{"type", "throw"}});
    ASSERT_TRUE(playUntilThrowOf(1));
    ann.reset();
    ben.reset();
    server.reset();
    QFile seats(QDir(data.path()).filePath(code + ".seats"));
    ASSERT_TRUE(seats.open(QIODevice::WriteOnly | QIODevice::Truncate));
    seats.write(R"({"tokens":["not a token", "0123"]})");
    seats.close();

    server = std::make_unique<net::GameServer>(clock);
    const QStringList problems = server->keepGamesIn(data.path());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].endsWith("holds a token that no seat could have.")) << problems[0].toStdString();
    EXPECT_EQ(server->room(code), nullptr);
}

} // namespace
} // namespace tycora::testing

namespace tycora::testing {
namespace {

TEST_F(OnlineGame, AClientThatAnswersPingsStaysAndASilentOneIsDropped)
{
    ann = client();
    ann->send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}});
    ASSERT_TRUE(ann->waitForType("joined"));
    // Two and a half minutes in which the client is heard from between pings.
    for (int ping = 0; ping < 15; ++ping) {
        clock.advance(10'000);
        const std::size_t mark = ann->received.size();
        ann->send({{"type", "throw"}});
        ASSERT_TRUE(ann->waitForType("error", mark)) << "answered after " << ping << " pings";
    }
    EXPECT_FALSE(ann->closed);

    // Forty seconds in which no answer gets through: dropped, and told why.
    for (int ping = 0; ping < 4; ++ping)
        clock.advance(10'000);
    ASSERT_TRUE(waitFor([&] { return ann->closed; }));
    EXPECT_EQ(server->clientCount(), 0);
}

TEST_F(OnlineGame, AGameGoesWhenItsPeopleHaveLeftUnlessItIsUnderWay)
{
    // A lobby nobody is left in.
    ann = client();
    ann->send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}});
    ASSERT_TRUE(ann->waitForType("joined"));
    ann.reset();
    EXPECT_TRUE(waitFor([&] { return server->roomCount() == 0; }));

    // A game under way waits for its people to come back.
    twoPeople();
    ann.reset();
    ben.reset();
    ASSERT_TRUE(waitFor([&] { return server->clientCount() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(server->roomCount(), 1);

    // Once its host has ended it, it goes with the last of them.
    ann = client();
    ann->send({{"type", "rejoin"}, {"code", code}, {"token", server->room(code)->seats()[0].token}});
    ASSERT_TRUE(ann->waitForType("joined"));
    ann->send({{"type", "end"}});
    ASSERT_TRUE(ann->waitForType("ended"));
    EXPECT_EQ(server->roomCount(), 1);
    ann.reset();
    EXPECT_TRUE(waitFor([&] { return server->roomCount() == 0; }));
}

} // namespace
} // namespace tycora::testing
