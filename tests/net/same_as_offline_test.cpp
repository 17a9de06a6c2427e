// A seeded game played over the network writes the same lines as the same
// game played at one screen, with the same answers.

#include "game/board.h"
#include "game/decks.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "game/player_setup.h"
#include "net/game_server.h"
#include "script_client.h"
#include "support/recording_log.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

constexpr std::uint64_t OfflineSeed = 77;

// People at one screen who throw when offered and say no to everything.
class PeopleSayingNo final : public Screen {
public:
    bool rollOffered = false;
    void setRollEnabled(bool enabled) override { rollOffered = enabled; }
    void ask(const std::string &, std::function<void(bool)> answer) override { answer(false); }
    void askJail(int, bool, std::function<void(JailChoice)> answer) override { answer(JailChoice::Throw); }
    void askBid(const Auction &, std::function<void(int)> answer) override { answer(0); }
    void showStatus(const std::string &) override {}
    void hideStatus() override {}
    void showDie(int, int) override {}
    void showDiceRoll(const std::string &) override {}
    void refreshMoney() override {}
    void showCurrentPlayer() override {}
    void pieceMoved(int, int) override {}
    void squareChanged(int) override {}
    void drawWhole(const GameOptions &) override {}
    void showCard(Deck, int) override {}
    void hideCard() override {}
    void showPropertyCard(int) override {}
    void setPropertyCardVisible(bool) override {}
    void enableBuild() override {}
    void tell(const std::string &) override {}
};

std::vector<std::string> offlineLines(long long handOvers)
{
    GameState state;
    fillChanceDeck(state);
    fillCommunityDeck(state);
    loadBoard(state);
    RecordingLog log;
    const NewPlayer players[] = {{"Ann", "Hat", "Red", "Human"}, {"Ben", "Car ", "Blue", "Human"}};
    for (int i = 0; i < 2; ++i) {
        fillPlayerRecord(state, i, players[i]);
        log.writeLog(playerAddedLogLine(i, players[i]));
        state.PlayerCount = static_cast<Integer>(i + 1);
    }
    loadBoard(state);
    SeededRandom random(OfflineSeed);
    RandomDice dice(random);
    ManualClock clock;
    PeopleSayingNo screen;
    GameOptions options;
    options.rules = RuleSet::Full;
    Engine engine(state, screen, clock, log, dice, options);
    engine.setPace(Pace::Instant);
    engine.startGame();
    while (engine.handOvers() < handOvers) {
        if (screen.rollOffered) {
            screen.rollOffered = false;
            engine.rollDice(state.CurrentPlayer);
        } else if (!clock.advanceToNextTick()) {
            break;
        }
    }
    return log.lines;
}

TEST(OnlineGameLog, IsTheOfflineGamesLineForLine)
{
    ManualClock clock;
    net::GameServer server(clock);
    server.setSeedSource([] { return OfflineSeed; });
    QString problem;
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), 0, &problem));
    ScriptClient ann(server.port()), ben(server.port());
    ann.send({{"type", "host"}, {"name", "Ann"}, {"piece", "Hat"}, {"colour", "Red"}, {"rules", "Full"},
              {"pace", "Instant"}});
    ASSERT_TRUE(ann.waitForType("joined"));
    const QString code = ann.ofType("joined")[0].value("code").toString();
    ben.send({{"type", "join"}, {"code", code}, {"name", "Ben"}, {"piece", "Car"}, {"colour", "Blue"}});
    ASSERT_TRUE(ben.waitForType("joined"));
    ann.send({{"type", "start"}});

    // Each plays as the people at one screen do: a throw when offered, no
    // to every question.
    const long long handOvers = 12;
    const Engine *engine = nullptr;
    ASSERT_TRUE(waitFor([&] { return (engine = server.room(code)->engine()) != nullptr; }));
    std::size_t seen[2] = {0, 0};
    ScriptClient *clients[2] = {&ann, &ben};
    const auto shown = [&] { return ann.events().size() + ben.events().size(); };
    for (int step = 0; step < 5000 && engine->handOvers() < handOvers; ++step) {
        QCoreApplication::processEvents();
        const std::size_t before = shown();
        bool acted = false;
        for (int seat = 0; seat < 2; ++seat) {
            const auto events = clients[seat]->events();
            for (; seen[seat] < events.size(); ++seen[seat]) {
                const QJsonObject &e = events[seen[seat]];
                const QString call = e.value("call").toString();
                if (e.value("player").toInt(-1) != seat)
                    continue;
                if (call == "setRollEnabled" && e.value("enabled").toBool())
                    clients[seat]->send({{"type", "throw"}});
                else if (call == "ask")
                    clients[seat]->send({{"type", "answer"}, {"yes", false}});
                else if (call == "askBid")
                    clients[seat]->send({{"type", "bid"}, {"amount", 0}});
                else if (call == "askJail")
                    clients[seat]->send({{"type", "jail"}, {"choice", "Throw"}});
                else
                    continue;
                acted = true;
            }
        }
        // An answer, or the game's own timers, or else news from the server.
        if (acted || !clock.advanceToNextTick())
            waitFor([&] { return shown() > before; }, 1000);
    }
    ASSERT_GE(engine->handOvers(), handOvers);
    QCoreApplication::processEvents();
    // The game at one screen, played a little further: every line online
    // is its line.
    const std::vector<std::string> offline = offlineLines(engine->handOvers() + 2);
    const std::vector<QString> online = ann.logLines();
    ASSERT_GE(online.size(), 20u);
    ASSERT_GE(offline.size(), online.size());
    for (std::size_t i = 0; i < online.size(); ++i)
        ASSERT_EQ(online[i].toStdString(), offline[i]) << "line " << i;
}

} // namespace
} // namespace tycora::testing
