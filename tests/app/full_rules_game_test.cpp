// The end of a Full rules game in the whole program: the winner window's
// New Game leads back to a fresh set-up and a fresh board with the log's
// game lines closed and opened; Quit ends the program as any game end.

#include "app/application.h"
#include "app/debug_log.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/winner_window.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/message_box.h"
#include "support/find_control.h"

#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>


namespace tycora::app {
namespace {

const QString EndTime = QStringLiteral("06/12/2026 12:00:00");

class FullRulesProgram : public ::testing::Test {
protected:
    QTemporaryDir settingsDir;
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        services.now = EndTime;
        services.queueRandoms(99, 20000);
        game = std::make_unique<Application>(services, boxes, clock);
        // The choices made here are saved: not in the user's own settings.
        game->setSettingsFile(settingsDir.filePath(QStringLiteral("Tycora.ini")));
    }
    void TearDown() override
    {
        game.reset();
        testing::processDeferredDeletes();
    }

    QByteArray logText() const { return services.files.value(logFilePath(services.folder)); }
    // The log's last lines, without their line ends.
    QList<QByteArray> lastLines(int count) const
    {
        QList<QByteArray> lines = logText().split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.pop_back();
        for (QByteArray &line : lines)
            line.chop(1);
        return lines.mid(std::max<qsizetype>(0, lines.size() - count));
    }

    void enterPlayer(const QString &name, const QString &piece, const QString &colour)
    {
        testing::enterPlayer(*game->frmPlayers(), name, piece, colour, QStringLiteral("Human"));
    }

    // Ann and Ben under the Full rules; Ann, with £100, throws onto Income
    // Tax and cannot pay: Ben wins at once.
    void playToAWinner(bool entered = false)
    {
        if (!entered) {
            enterPlayer("Ann", "Hat", "Red");
            enterPlayer("Ben", "Car ", "Blue");
        }
        GameOptions options;
        options.rules = RuleSet::Full;
        game->frmPlayers()->setChoices(options, Pace::Classic);
        testing::clickButton(*game->frmPlayers(), "cmdNext");
        ASSERT_TRUE(game->frmMain()->isVisible());
        game->state().Players[0].Money = 100;
        services.nextDice({1, 3});
        game->frmMain()->pressRoll();
        for (int i = 0; i < 5000 && game->engine()->phase() != Engine::Phase::Over; ++i)
            if (!clock.advanceToNextTick())
                break;
        ASSERT_EQ(game->engine()->winner(), 1);
        ASSERT_TRUE(winnerWindow()->isVisible());
    }

    ui::WinnerWindow *winnerWindow() const { return testing::control<ui::WinnerWindow>(*game->frmMain(), "frmWinner"); }
    void click(const char *name)
    {
        QTest::mouseClick(testing::control<ui::CommandButton>(*winnerWindow(), name), Qt::LeftButton);
    }

    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(FullRulesProgram, NewGameOpensASetUpWithTheSamePlayersAndQuitEndsTheProgram)
{
    game->Main();
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    playToAWinner();
    QPointer<ui::FrmMain> oldBoard = game->frmMain();

    click("cmdNewGame");
    EXPECT_EQ(lastLines(6), (QList<QByteArray>{"Ben Wins the Game", "Game Ended:  " + EndTime.toUtf8(), "",
                                               "Game Started:  " + EndTime.toUtf8(), "Player 0:  Ann, Hat, Red, Human",
                                               "Player 1:  Ben, Car , Blue, Human"}));
    EXPECT_FALSE(services.ended);
    testing::processDeferredDeletes();
    EXPECT_TRUE(oldBoard.isNull()) << "the old board is gone";
    ASSERT_NE(game->frmPlayers(), nullptr);
    EXPECT_TRUE(game->frmPlayers()->isVisible());
    EXPECT_EQ(game->state().PlayerCount, 2) << "the last game's players, listed again";
    EXPECT_EQ(game->frmPlayers()->listedPlayers().size(), 2u);
    EXPECT_EQ(game->state().Players[0].Money, 1500);
    EXPECT_FALSE(game->state().Properties[39].Owned);
    EXPECT_EQ(game->state().SquareStats[39].CurrentRent, 50) << "the board is loaded again";
    ASSERT_NE(game->frmMain(), nullptr);
    EXPECT_FALSE(game->frmMain()->isVisible());
    EXPECT_EQ(game->engine()->phase(), Engine::Phase::Setup);
    // The new Game Log begins with the new game and its players listed
    // again; the old lines are let go.
    EXPECT_EQ(game->frmMain()->gameLog().lineCount(), 3);
    EXPECT_EQ(game->frmMain()->gameLog().line(0), "Game Started:  " + EndTime);
    EXPECT_EQ(game->frmMain()->gameLog().line(2), "Player 1:  Ben, Car , Blue, Human");

    // The next game, with the same players, plays as the first did, and
    // Quit ends the program.
    playToAWinner(true);
    EXPECT_EQ(game->state().Players[0].Money, 0);
    click("cmdQuit");
    EXPECT_TRUE(services.ended);
    EXPECT_EQ(lastLines(3), (QList<QByteArray>{"Ben Wins the Game", "Game Ended:  " + EndTime.toUtf8(), ""}));
    EXPECT_TRUE(boxes.shown.empty()) << "the game is over: no question";
    testing::processDeferredDeletes();
    EXPECT_EQ(game->frmMain(), nullptr);
}

} // namespace
} // namespace tycora::app
