// A computer's level goes with the saved game, by its name; a game saved
// before levels existed loads with Normal computers.

#include "save/game_document.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tycora::testing {
namespace {

SavedGame gameWithLevels(const std::vector<ComputerLevel> &levels)
{
    NoEventLog log;
    SimulationOptions o;
    o.players = static_cast<int>(levels.size());
    o.turns = 12;
    o.seed = 31;
    o.game.rules = RuleSet::Full;
    o.levels = levels;
    o.recordHistory = true;
    Simulation sim(o, log);
    sim.setUp();
    sim.run();
    return sim.capture();
}

QJsonArray setupPlayers(const QByteArray &document)
{
    return QJsonDocument::fromJson(document).object()["setup"].toObject()["players"].toArray();
}

TEST(LevelsInSavedGames, AreWrittenByNameAndReadBack)
{
    const std::vector<ComputerLevel> levels{ComputerLevel::Easy, ComputerLevel::Hard, ComputerLevel::Normal};
    const SavedGame game = gameWithLevels(levels);
    const QByteArray document = save::gameDocument(game, TestProvenance);
    const QJsonArray players = setupPlayers(document);
    ASSERT_EQ(players.size(), 3);
    EXPECT_EQ(players[0].toObject()["level"].toString(), "Easy");
    EXPECT_EQ(players[1].toObject()["level"].toString(), "Hard");
    EXPECT_EQ(players[2].toObject()["level"].toString(), "Normal");

    const save::ReadGame read = save::readGameDocument(document);
    ASSERT_EQ(read.problem, "");
    for (std::size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(read.game.players[i].level, levels[i]) << i;
        EXPECT_EQ(read.game.state.Players[i].Level, levels[i]) << i;
    }
    // Saved again, the same bytes.
    EXPECT_EQ(save::gameDocument(read.game, TestProvenance), document);
}

TEST(LevelsInSavedGames, AGameSavedWithoutThemHasNormalComputers)
{
    const SavedGame game = gameWithLevels({ComputerLevel::Hard, ComputerLevel::Easy});
    QJsonObject root = QJsonDocument::fromJson(save::gameDocument(game, TestProvenance)).object();
    QJsonObject setup = root["setup"].toObject();
    QJsonArray players = setup["players"].toArray();
    for (qsizetype i = 0; i < players.size(); ++i) {
        QJsonObject p = players[i].toObject();
        p.remove("level");
        players[i] = p;
    }
    setup["players"] = players;
    root["setup"] = setup;
    const save::ReadGame read = save::readGameDocument(QJsonDocument(root).toJson());
    ASSERT_EQ(read.problem, "");
    for (const NewPlayer &p : read.game.players)
        EXPECT_EQ(p.level, ComputerLevel::Normal) << p.name;
}

} // namespace
} // namespace tycora::testing
