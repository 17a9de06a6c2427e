// What a player reads while the program plays: the Game Log with every
// event line (the same lines debug.txt gets), the deed in view while the
// purchase question is open, and the status line on the way to jail.

#include "app/application.h"
#include "app/debug_log.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace tycora::app {
namespace {

using ui::MsgAnswer;

class ReadableGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        std::mt19937 generator(4321);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 40000; ++i)
            services.randoms.push_back(uniform(generator));
        game = std::make_unique<Application>(services, boxes, clock);
    }
    void TearDown() override
    {
        game.reset();
        testing::processDeferredDeletes();
    }

    // debug.txt, line by line without the line ends.
    QStringList fileLines() const
    {
        QStringList lines = QString::fromUtf8(services.files.value(logFilePath(services.folder))).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.pop_back();
        return lines;
    }
    QStringList gameLogLines()
    {
        QStringList lines;
        const ui::GameLogWindow &log = board().gameLog();
        for (int row = 0; row < log.lineCount(); ++row)
            lines << log.line(row);
        return lines;
    }

    // The dice the next throws show, die by die.
    void nextDice(std::initializer_list<int> faces)
    {
        auto at = services.randoms.begin();
        for (int face : faces)
            at = std::next(services.randoms.insert(at, (face - 0.5) / 6.0));
    }

    void enterPlayer(const QString &name, const QString &piece, const QString &colour, const QString &type)
    {
        ui::FrmPlayers &players = *game->frmPlayers();
        players.txtName->setText(name);
        testing::pick(*players.imgcPieces, piece);
        testing::pick(*players.imgcColours, colour);
        testing::pick(*players.imgcType, type);
        players.cmdAdd->click();
    }

    // Ann (a person) and Ben (a computer) at the board, Ann to throw.
    void startHumanGame()
    {
        game->Main();
        game->frmMenu()->cmdNewGame->click();
        enterPlayer("Ann", "Hat", "Red", "Human");
        enterPlayer("Ben", "Car ", "Blue", "Computer");
        game->frmPlayers()->cmdNext->click();
        ASSERT_TRUE(board().isVisible());
        board().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&board()));
    }

    template <typename Condition>
    bool runUntil(Condition condition, int maxTicks = 200000)
    {
        for (int i = 0; i < maxTicks; ++i) {
            if (condition())
                return true;
            if (!clock.advanceToNextTick())
                return condition();
        }
        return false;
    }
    // Lets the game run until Ann may throw, then throws with the button.
    void annThrows()
    {
        ASSERT_TRUE(runUntil([&] { return rollDice().isEnabled(); }));
        QTest::mouseClick(&rollDice(), Qt::LeftButton);
    }

    ui::FrmMain &board() { return *game->frmMain(); }
    ui::CommandButton &rollDice() { return *testing::control<ui::CommandButton>(board(), "cmdRoll"); }
    ui::Frame &deed() { return *testing::control<ui::Frame>(board(), "frmProperty"); }
    QString deedTitle() { return testing::control<ui::Label>(board(), "lblWhere")->text(); }
    ui::Label &status() { return *testing::control<ui::Label>(board(), "lblStatus"); }

    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(ReadableGame, TheGameLogListsTheLinesOfDebugTxtAsTheyHappen)
{
    startHumanGame();
    ui::GameLogWindow &log = board().gameLog();
    EXPECT_FALSE(log.isVisible());
    EXPECT_EQ(gameLogLines(), fileLines()) << "the lines written before the board was made are there too";

    QTest::keyClick(&board(), Qt::Key_L);
    ASSERT_TRUE(log.isVisible());
    EXPECT_EQ(log.windowTitle(), "Game Log");
    EXPECT_FALSE(log.isModal());

    // A few turns with the log open: it follows the newest line.
    boxes.answers = {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Yes};
    for (int turn = 0; turn < 3; ++turn)
        annThrows();
    ASSERT_TRUE(runUntil([&] { return rollDice().isEnabled(); }));
    EXPECT_EQ(gameLogLines(), fileLines());
    EXPECT_GE(fileLines().filter(QStringLiteral("Ben (")).size(), 3) << "the computer's turns are there";
    EXPECT_TRUE(log.showsNewest());

    // Closed with its button, the log misses nothing meanwhile.
    testing::control<ui::CommandButton>(board(), "cmdGameLog")->click();
    EXPECT_FALSE(log.isVisible());
    annThrows();
    ASSERT_TRUE(runUntil([&] { return rollDice().isEnabled(); }));
    testing::control<ui::CommandButton>(board(), "cmdGameLog")->click();
    EXPECT_TRUE(log.isVisible());
    EXPECT_TRUE(log.showsNewest());
    EXPECT_EQ(gameLogLines(), fileLines());
    QTest::keyClick(&board(), Qt::Key_L);
    EXPECT_FALSE(log.isVisible());
}

TEST_F(ReadableGame, WithoutTheWordDebugOnlyTheGameLogHasTheLines)
{
    services.arguments = QString();
    startHumanGame();
    annThrows();
    ASSERT_TRUE(runUntil([&] { return rollDice().isEnabled(); }));
    EXPECT_TRUE(services.files.isEmpty()) << "no debug.txt";
    const QStringList lines = gameLogLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Game Started:  "));
    EXPECT_EQ(lines[1], "Player 0:  Ann, Hat, Red, Human");
    EXPECT_EQ(lines[2], "Player 1:  Ben, Car , Blue, Computer");
    EXPECT_TRUE(lines[3].startsWith("Ann (£1500) rolls:  ")) << lines[3].toStdString();
}

TEST_F(ReadableGame, TheDeedIsInViewWhileThePurchaseQuestionIsOpenAndGoesAfterNo)
{
    startHumanGame();
    nextDice({1, 2});
    boxes.answers = {MsgAnswer::No};
    bool deedShown = false;
    QString shownTitle;
    boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &) {
        deedShown = deed().isVisible();
        shownTitle = deedTitle();
    };
    annThrows();
    ASSERT_TRUE(runUntil([&] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown[0].text, "Ann, do you want to purchase Whitechapel Road for £60?");
    EXPECT_TRUE(deedShown);
    EXPECT_EQ(shownTitle, "Whitechapel Road");
    EXPECT_FALSE(deed().isVisible()) << "No puts the deed away";
}

TEST_F(ReadableGame, TheDeedStaysAfterYes)
{
    startHumanGame();
    nextDice({1, 2});
    boxes.answers = {MsgAnswer::Yes};
    bool deedShown = false;
    boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &) { deedShown = deed().isVisible(); };
    annThrows();
    ASSERT_TRUE(runUntil([&] { return !boxes.shown.empty(); }));
    EXPECT_TRUE(deedShown);
    EXPECT_TRUE(game->state().Properties[3].Owned);
    EXPECT_TRUE(deed().isVisible());
    EXPECT_EQ(deedTitle(), "Whitechapel Road");
}

TEST_F(ReadableGame, TheStatusLineSaysWhoGoesToJailAllTheWayThere)
{
    startHumanGame();
    // Ann to Jail (just visiting), Ben to Whitechapel Road, Ann to Free
    // Parking, Ben to The Angel Islington, Ann to Go To Jail.
    nextDice({6, 4, 1, 2, 6, 4, 2, 3, 6, 4});
    for (int turn = 0; turn < 3; ++turn)
        annThrows();
    ASSERT_TRUE(runUntil([&] { return game->state().Players[0].Square == 30; }));
    ASSERT_TRUE(runUntil([&] { return game->state().Players[0].Square == 35; }));
    EXPECT_TRUE(game->engine()->tmrMovePiece().enabled()) << "on the way";
    EXPECT_TRUE(status().isVisible());
    EXPECT_EQ(status().text(), "Ann goes to Jail");
    ASSERT_TRUE(runUntil([&] { return game->state().Players[0].Square == 5; }));
    EXPECT_EQ(status().text(), "Ann goes to Jail");
    ASSERT_TRUE(runUntil([&] { return !game->engine()->tmrMovePiece().enabled(); }));
    EXPECT_EQ(game->state().Players[0].Square, 10);
}

} // namespace
} // namespace tycora::app
