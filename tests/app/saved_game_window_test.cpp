// Saved games in the windowed program: the game is written to the autosave
// file at every hand-over of the turn, and a saved game opens on a board
// drawn exactly as the saved game's was, with the Game Loaded line.

#include "app/application.h"
#include "app/debug_log.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "save/game_file.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/save_control.h"
#include "ui/shell/frm_load_game.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "save/saved_game_list.h"
#include "toolkit/command_button.h"
#include "toolkit/message_box.h"
#include "support/find_control.h"

#include <QApplication>
#include <QDir>
#include <QTreeWidget>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

class SavedGameProgram : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString autosave() const { return dir.filePath(QStringLiteral("data/autosave.tycora")); }

    std::unique_ptr<Application> start(testing::FakeServices &services)
    {
        services.now = QStringLiteral("06/12/2026 12:00:00");
        services.arguments = QStringLiteral("debug");
        auto game = std::make_unique<Application>(services, boxes, clock);
        game->setSettingsFile(dir.filePath(QStringLiteral("Tycora.ini")));
        game->setAutosaveFile(autosave());
        game->Main();
        return game;
    }

    // Two computers play until the turn has been handed over `handOvers` times.
    void playComputers(Application &game, long long handOvers)
    {
        testing::control<ui::CommandButton>(*game.frmMenu(), "cmdNewGame")->click();
        ui::FrmPlayers &players = *game.frmPlayers();
        const QString seats[2][3] = {{"Ann", "Hat", "Red"}, {"Ben", "Car ", "Blue"}};
        for (const auto &seat : seats)
            testing::enterPlayer(players, seat[0], seat[1], seat[2], QStringLiteral("Computer"));
        testing::clickButton(players, "cmdNext");
        ASSERT_TRUE(game.frmMain()->isVisible());
        for (int i = 0; i < 100000 && game.engine()->handOvers() < handOvers; ++i)
            ASSERT_TRUE(clock.advanceToNextTick());
    }

    // The window's pixels without the card the last throw drew, which a
    // saved game does not keep; the dice are kept with the throw.
    static QImage withoutLastCard(ui::FrmMain &window)
    {
        // As the window's own glance at the game would have left it.
        window.findChild<ui::SaveControl *>()->refresh();
        QImage image = window.grab().toImage();
        QPainter painter(&image);
        const QWidget *card = testing::control<QWidget>(window, "imgCard");
        painter.fillRect(QRect(card->mapTo(&window, QPoint(0, 0)), card->size()), Qt::black);
        return image;
    }

    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
};

TEST_F(SavedGameProgram, EveryHandOverWritesTheAutosave)
{
    testing::FakeServices services;
    services.queueRandoms(7, 20000);
    auto game = start(services);
    playComputers(*game, 1);
    ASSERT_TRUE(QFile::exists(autosave())) << "written at the first hand-over";
    save::LoadedGame first = save::loadGameFile(autosave());
    ASSERT_EQ(first.error, QString());
    EXPECT_EQ(first.game.progress.handOvers, 1);

    while (game->engine()->handOvers() < 5)
        ASSERT_TRUE(clock.advanceToNextTick());
    const save::LoadedGame fifth = save::loadGameFile(autosave());
    ASSERT_EQ(fifth.error, QString());
    EXPECT_EQ(fifth.game.progress.handOvers, 5);
    EXPECT_EQ(firstDifference(fifth.game.state, game->state()), "");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SavedGameProgram, AnAutosaveThatCannotBeWrittenIsToldOnceAndPlayGoesOn)
{
    // A link planted where the autosave goes is never written through.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(QFile::link(elsewhere, autosave()));
    testing::FakeServices services;
    services.queueRandoms(7, 20000);
    auto game = start(services);
    playComputers(*game, 3);
    EXPECT_FALSE(QFile::exists(elsewhere));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].text.contains("symbolic link")) << boxes.shown[0].text.toStdString();
}

TEST_F(SavedGameProgram, ALoadedGameOpensOnTheBoardAsItWasSaved)
{
    testing::FakeServices services;
    services.queueRandoms(11, 20000);
    auto game = start(services);
    playComputers(*game, 12);
    const QImage saved = withoutLastCard(*game->frmMain());
    std::vector<QString> logLines;
    for (int row = 0; row < game->frmMain()->gameLog().lineCount(); ++row)
        logLines.push_back(game->frmMain()->gameLog().line(row));
    const QString file = dir.filePath(QStringLiteral("twelve.tycora"));
    ASSERT_EQ(game->recorder().save(file).toStdString(), "");
    const long long round = roundOf(game->recorder().capture());
    game.reset();
    testing::processDeferredDeletes();

    testing::FakeServices later;
    later.files.clear();
    auto loaded = start(later);
    ASSERT_TRUE(loaded->loadGame(file));
    ASSERT_TRUE(loaded->frmMain()->isVisible());
    const QImage shown = withoutLastCard(*loaded->frmMain());
    saved.save(dir.filePath("saved.png"));
    shown.save(dir.filePath("shown.png"));
    if (qEnvironmentVariableIsSet("TYCORA_KEEP_GRABS")) {
        saved.save(qEnvironmentVariable("TYCORA_KEEP_GRABS") + "/saved.png");
        shown.save(qEnvironmentVariable("TYCORA_KEEP_GRABS") + "/shown.png");
    }
    EXPECT_TRUE(shown == saved) << "the board is drawn as it was";
    const QByteArray log = later.files.value(logFilePath(later.folder));
    EXPECT_TRUE(log.endsWith("Game Started:  06/12/2026 12:00:00\r\nGame Loaded:  twelve.tycora (round " +
                             QByteArray::number(round) + ")\r\n"))
        << log.toStdString();
    EXPECT_EQ(firstDifference(loaded->state(), save::loadGameFile(file).game.state), "");

    // The Game Log goes on from the saved game's lines.
    const ui::GameLogWindow &gameLog = loaded->frmMain()->gameLog();
    ASSERT_EQ(gameLog.lineCount(), int(logLines.size()) + 2);
    for (int row = 0; row < int(logLines.size()); ++row)
        ASSERT_EQ(gameLog.line(row), logLines[std::size_t(row)]) << "line " << row;
    EXPECT_EQ(gameLog.line(int(logLines.size())), "Game Started:  06/12/2026 12:00:00");
    EXPECT_EQ(gameLog.line(int(logLines.size()) + 1),
              "Game Loaded:  twelve.tycora (round " + QString::number(round) + ")");
}

TEST_F(SavedGameProgram, LoadGameInTheMenuResumesTheLastGame)
{
    {
        testing::FakeServices services;
        services.queueRandoms(3, 20000);
        auto game = start(services);
        playComputers(*game, 4);
        game.reset();
        testing::processDeferredDeletes();
    }
    testing::FakeServices services;
    auto game = start(services);
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdLoadGame")->click();
    ui::FrmLoadGame *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<ui::FrmLoadGame *>(w); found && found->isVisible())
            window = found;
    ASSERT_NE(window, nullptr);
    const testing::LoadGameControls controls(*window);
    ASSERT_GE(controls.lstGames->topLevelItemCount(), 1);
    EXPECT_EQ(controls.lstGames->topLevelItem(0)->text(0), "Resume the last game");
    EXPECT_TRUE(boxes.shown.empty()) << "no Not Done any more";
    controls.cmdLoad->click();
    QCoreApplication::processEvents();
    testing::processDeferredDeletes();
    ASSERT_TRUE(game->frmMain() && game->frmMain()->isVisible());
    EXPECT_EQ(game->frmMenu(), nullptr) << "the menu has gone";
    EXPECT_EQ(game->engine()->handOvers(), 4);
    const QByteArray log = services.files.value(logFilePath(services.folder));
    EXPECT_TRUE(log.endsWith("Game Loaded:  autosave.tycora (round 3)\r\n")) << log.toStdString();
}

TEST_F(SavedGameProgram, SaveIsEnabledExactlyWhereTheGameStandsStill)
{
    testing::FakeServices services;
    services.queueRandoms(21, 20000);
    auto game = start(services);
    playComputers(*game, 0);
    auto *save = testing::control<ui::CommandButton>(*game->frmMain(), "cmdSaveGame");
    auto *control = game->frmMain()->findChild<ui::SaveControl *>();
    ASSERT_NE(control, nullptr);
    // Every moment of a few turns: enabled exactly when the engine is
    // settled, and otherwise the tooltip says why.
    int settledSeen = 0, movingSeen = 0;
    while (game->engine()->handOvers() < 6) {
        control->refresh();
        const bool settled = game->engine()->settled();
        ASSERT_EQ(save->isEnabled(), settled) << "phase " << int(game->engine()->phase());
        if (settled) {
            ++settledSeen;
            EXPECT_EQ(save->toolTip(), ui::SaveControl::SaveTip);
        } else if (game->engine()->phase() == Engine::Phase::Moving) {
            ++movingSeen;
            EXPECT_EQ(save->toolTip(), "The game is moving: it can be saved when a player is to throw");
        }
        ASSERT_TRUE(clock.advanceToNextTick());
    }
    EXPECT_GT(settledSeen, 0);
    EXPECT_GT(movingSeen, 0);
}

TEST_F(SavedGameProgram, AWonGameIsNotOfferedForResuming)
{
    testing::FakeServices services;
    services.queueRandoms(99, 20000);
    auto game = start(services);
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    ui::FrmPlayers &players = *game->frmPlayers();
    const QString seats[2][3] = {{"Ann", "Hat", "Red"}, {"Ben", "Car ", "Blue"}};
    for (const auto &seat : seats)
        testing::enterPlayer(players, seat[0], seat[1], seat[2], QStringLiteral("Human"));
    GameOptions options;
    options.rules = RuleSet::Full;
    players.setChoices(options, Pace::Classic);
    testing::clickButton(players, "cmdNext");
    // Ann, with £100, throws onto Income Tax and cannot pay: Ben wins.
    game->state().Players[0].Money = 100;
    services.nextDice({1, 3});
    game->frmMain()->pressRoll();
    for (int i = 0; i < 5000 && game->engine()->phase() != Engine::Phase::Over; ++i)
        ASSERT_TRUE(clock.advanceToNextTick());
    ASSERT_EQ(game->engine()->winner(), 1);
    ASSERT_TRUE(QFile::exists(autosave())) << "the won game replaces the last one";
    EXPECT_TRUE(save::listSavedGames(autosave(), {}).empty());
}

} // namespace
} // namespace tycora::app
