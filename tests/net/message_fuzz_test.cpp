// Thousands of random and mutated messages from one client, into a game in
// play: each gets an answer or a dropped connection, never a crash, and no
// other game changes. TYCORA_FUZZ_SECONDS=N keeps it going for N seconds
// instead (a soak, run by hand under the sanitizers; see BENCHMARKS.md).

#include "game/manual_clock.h"
#include "net/game_server.h"
#include "script_client.h"

#include <QElapsedTimer>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <random>

namespace tycora::testing {
namespace {

// Commands a player may send, as seeds for the mutations.
const char *const Commands[] = {
    R"({"type":"throw"})",
    R"({"type":"answer","yes":false})",
    R"({"type":"jail","choice":"PayFine"})",
    R"({"type":"bid","amount":10})",
    R"({"type":"build","square":39})",
    R"({"type":"sell","square":1})",
    R"({"type":"mortgage","square":3})",
    R"({"type":"unmortgage","square":5})",
    R"({"type":"bankrupt"})",
    R"({"type":"addComputer"})",
    R"({"type":"pace","pace":"Fast"})",
    R"({"type":"join","code":"ABCDEF","name":"Zed","piece":"Shoe","colour":"Purple"})",
    R"({"type":"rejoin","code":"ABCDEF","token":"00000000000000000000000000000000"})",
};

QByteArray mutated(std::mt19937 &random)
{
    QByteArray bytes = Commands[random() % std::size(Commands)];
    const int edits = 1 + int(random() % 6);
    for (int i = 0; i < edits; ++i) {
        const auto at = qsizetype(random() % std::max<qsizetype>(1, bytes.size()));
        switch (random() % 6) {
        case 0: bytes[at] = char(random() % 256); break;                     // a byte changed
        case 1: bytes.remove(at, 1 + qsizetype(random() % 4)); break;          // bytes cut out
        case 2: bytes.insert(at, QByteArray(1 + int(random() % 8), char(random() % 128))); break;
        case 3: bytes.replace("false", "1e308"); bytes.replace("10", "-1e999"); break;
        case 4: bytes.replace("39", QByteArray::number(qint64(random()) - (1LL << 31))); break;
        default: bytes = "[" + bytes + "," + bytes + "]"; break;                // nested
        }
    }
    return bytes;
}

TEST(MessageFuzz, NoMessageCrashesTheServerOrTouchesAnotherGame)
{
    ManualClock clock;
    net::ServerTimings timings;
    timings.maxMessagesPerSecond = 1'000'000;   // the fuzzer may send fast
    net::GameServer server(clock, timings);
    QString problem;
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), 0, &problem));

    // The game under attack, and a bystander.
    ScriptClient host(server.port()), bystander(server.port());
    host.send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}, {"rules", "Full"}});
    bystander.send({{"type", "host"}, {"name", "Bo"}, {"piece", "Dog"}, {"colour", "Blue"}});
    ASSERT_TRUE(host.waitForType("joined") && bystander.waitForType("joined"));
    const QString code = host.ofType("joined")[0].value("code").toString();
    // The attacker has a seat, so its commands reach the game's rules too.
    std::unique_ptr<ScriptClient> attacker = std::make_unique<ScriptClient>(server.port());
    attacker->send({{"type", "join"}, {"code", code}, {"name", "Eve"}, {"piece", "Car"}, {"colour", "Green"}});
    ASSERT_TRUE(attacker->waitForType("joined"));
    const QString token = attacker->ofType("joined")[0].value("token").toString();
    host.send({{"type", "addComputer"}});
    host.send({{"type", "start"}});
    ASSERT_TRUE(host.waitForType("events"));
    const QString otherCode = bystander.ofType("joined")[0].value("code").toString();
    const QByteArray otherBefore = QJsonDocument(server.room(otherCode)->wholeGame()).toJson();

    std::mt19937 random(20261207);
    const int soakSeconds = qEnvironmentVariableIntValue("TYCORA_FUZZ_SECONDS");
    QElapsedTimer soak;
    soak.start();
    const auto goOn = [&](int i) { return soakSeconds > 0 ? soak.elapsed() < soakSeconds * 1000LL : i < 3000; };
    int answered = 0, dropped = 0, sent = 0;
    for (int i = 0; goOn(i); ++i, ++sent) {
        if (attacker->closed) {
            // Dropped for a flood or an oversize message: back to the seat.
            ++dropped;
            attacker = std::make_unique<ScriptClient>(server.port());
            attacker->send({{"type", "rejoin"}, {"code", code}, {"token", token}});
            attacker->waitForType("joined");
        }
        const std::size_t before = attacker->received.size();
        attacker->sendText(QString::fromUtf8(mutated(random)));
        if (waitFor([&] { return attacker->received.size() > before || attacker->closed; }))
            ++answered;
        if (i % 50 == 0)
            clock.advanceToNextTick();
    }
    EXPECT_EQ(answered, sent) << "every message had an answer or closed the connection";
    EXPECT_EQ(QJsonDocument(server.room(otherCode)->wholeGame()).toJson(), otherBefore);
    EXPECT_FALSE(bystander.closed);
    EXPECT_FALSE(host.closed);
    std::printf("%d messages, %d dropped connections\n", sent, dropped);
}

} // namespace
} // namespace tycora::testing
