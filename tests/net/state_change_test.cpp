// A batch of events carries only what changed in the public state; made to
// the state a player holds, the change gives the server's state exactly,
// and a change that names no player or square harms nothing.

#include "game/board.h"
#include "game/player_setup.h"
#include "net/protocol.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

GameState twoPlayerGame()
{
    GameState state;
    loadBoard(state);
    fillPlayerRecord(state, 0, {"Ann", "Hat", "Red", "Human"});
    fillPlayerRecord(state, 1, {"Ben", "Car", "Blue", "Human"});
    state.PlayerCount = 2;
    return state;
}

std::string text(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString(); }

TEST(StateChange, CarriesWhatChangedAndRebuildsTheStateExactly)
{
    GameState state = twoPlayerGame();
    const QJsonObject before = net::publicState(state);
    EXPECT_TRUE(net::stateChange(before, before).isEmpty()) << "nothing changed, nothing sent";

    state.Players[1].Square = 7;
    state.Players[1].Money -= 60;
    state.Properties[5].Owned = true;
    state.Properties[5].Owner = 1;
    state.CurrentPlayer = 1;
    const QJsonObject after = net::publicState(state);
    const QJsonObject change = net::stateChange(before, after);
    EXPECT_EQ(change.value("players").toObject().keys(), QStringList{"1"}) << "Ann did not change";
    EXPECT_EQ(change.value("squares").toObject().keys(), QStringList{"5"});
    EXPECT_EQ(change.value("currentPlayer").toInt(), 1);
    EXPECT_FALSE(change.contains("housesLeft"));
    EXPECT_EQ(text(net::withChange(before, change)), text(after));
    // From nothing, the change is the whole state.
    EXPECT_EQ(text(net::withChange({}, net::stateChange({}, after))), text(after));
}

TEST(StateChange, AChangeNamingNoPlayerOrSquareIsIgnored)
{
    const QJsonObject state = net::publicState(twoPlayerGame());
    const char *const hostile[] = {
        R"({"players":{"-1":{"money":5}}})",
        R"({"players":{"x":{"money":5}}})",
        R"({"squares":{"40":{"owner":0}}})",
        R"({"squares":{"99999999999":{"owner":0}}})",
        R"({"squares":{"3":7}})",
        R"({"players":[1,2,3]})",
    };
    for (const char *bad : hostile) {
        const QJsonObject change = QJsonDocument::fromJson(bad).object();
        const QJsonObject made = net::withChange(state, change);
        EXPECT_EQ(made.value("squares").toArray().size(), BoardSize) << bad;
        EXPECT_EQ(made.value("players").toArray().size(), 2) << bad;
        EXPECT_EQ(text(made), text(state)) << bad;
    }
}

} // namespace
} // namespace tycora::testing
