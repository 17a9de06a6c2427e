// What a player reads while the program plays: the Game Log with every
// event line (the same lines debug.txt gets), the deed in view while the
// purchase question is open, and the status line on the way to jail.

#include "app/application.h"
#include "tools/scripted_setup.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "support/find_control.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace tycora::app {
namespace {

using ui::MsgAnswer;

class ReadableGame : public ::testing::Test {
protected:
    // Ann (a person) and Ben (a computer) at the board, Ann to throw; the
    // dice throw the faces given, then sixes and fives.
    void startGame(std::initializer_list<int> faces)
    {
        for (int i = 0; i < 2000; ++i)
            services.randoms.push_back(i % 3 ? 0.9 : 0.7);
        game.Main();
        testing::control<ui::CommandButton>(*game.frmMenu(), "cmdNewGame")->click();
        tools::enterPlayer(*game.frmPlayers(), "Ann", "Hat", "Red", "Human");
        tools::enterPlayer(*game.frmPlayers(), "Ben", "Car ", "Blue", "Computer");
        testing::clickButton(*game.frmPlayers(), "cmdNext");
        // The next draws of the generator are the dice.
        services.randoms.insert(services.randoms.begin(), faces.size(), 0.0);
        std::transform(faces.begin(), faces.end(), services.randoms.begin(), [](int face) { return (face - 0.5) / 6.0; });
        board().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&board()));
    }
    void TearDown() override { testing::processDeferredDeletes(); }

    // Lets the game run until Ann may throw; then throws with the button.
    bool untilAnnThrows()
    {
        for (int tick = 0; tick < 100000 && !rollDice().isEnabled(); ++tick)
            clock.advanceToNextTick();
        return rollDice().isEnabled();
    }
    void annThrows()
    {
        ASSERT_TRUE(untilAnnThrows());
        QTest::mouseClick(&rollDice(), Qt::LeftButton);
    }

    QStringList fileLines() const
    {
        QStringList lines = QString::fromUtf8(services.files.value(logFilePath(services.folder))).split("\r\n");
        lines.removeLast();   // after the last line end
        return lines;
    }
    QStringList gameLogLines()
    {
        QStringList lines;
        for (int row = 0; row < board().gameLog().lineCount(); ++row)
            lines << board().gameLog().line(row);
        return lines;
    }

    ui::FrmMain &board() { return *game.frmMain(); }
    ui::CommandButton &rollDice() { return *testing::control<ui::CommandButton>(board(), "cmdRoll"); }
    ui::Frame &deed() { return *testing::control<ui::Frame>(board(), "frmProperty"); }
    QString deedTitle() { return testing::control<ui::Label>(board(), "lblWhere")->text(); }

    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    Application game{services, boxes, clock};
};

TEST_F(ReadableGame, TheGameLogListsTheLinesOfDebugTxtAsTheyHappen)
{
    services.arguments = "debug";
    startGame({});
    ui::GameLogWindow &log = board().gameLog();
    EXPECT_FALSE(log.isVisible());
    EXPECT_EQ(gameLogLines(), fileLines()) << "with the lines written before the board was made";

    QTest::keyClick(&board(), Qt::Key_L);
    ASSERT_TRUE(log.isVisible());
    EXPECT_EQ(log.windowTitle(), "Game Log");
    boxes.answers = {MsgAnswer::Yes, MsgAnswer::No};
    for (int turn = 0; turn < 3; ++turn)
        annThrows();
    ASSERT_TRUE(untilAnnThrows());
    EXPECT_EQ(gameLogLines(), fileLines());
    EXPECT_GE(fileLines().filter("Ben (").size(), 3) << "the computer's turns are there";
    EXPECT_TRUE(log.showsNewest());

    // Closed with its button, the log misses nothing meanwhile.
    testing::control<ui::CommandButton>(board(), "cmdGameLog")->click();
    EXPECT_FALSE(log.isVisible());
    annThrows();
    ASSERT_TRUE(untilAnnThrows());
    testing::control<ui::CommandButton>(board(), "cmdGameLog")->click();
    EXPECT_TRUE(log.isVisible());
    EXPECT_TRUE(log.showsNewest());
    EXPECT_EQ(gameLogLines(), fileLines());
}

TEST_F(ReadableGame, WithoutTheWordDebugOnlyTheGameLogHasTheLines)
{
    startGame({2, 4});
    annThrows();
    ASSERT_TRUE(untilAnnThrows());
    EXPECT_TRUE(services.files.isEmpty()) << "no debug.txt";
    const QStringList lines = gameLogLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], "Game Started:  06/12/2026 12:00:00");
    EXPECT_EQ(lines[1], "Player 0:  Ann, Hat, Red, Human");
    EXPECT_EQ(lines[3], "Ann (£1500) rolls:  2,4");
}

TEST_F(ReadableGame, TheDeedIsInViewWhileThePurchaseQuestionIsOpenThenGoesAfterNoAndStaysAfterYes)
{
    // Ann to Whitechapel Road, Ben to Income Tax, Ann to Euston Road.
    startGame({1, 2, 1, 3, 2, 3});
    boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
    QStringList inView;
    boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &) {
        inView << (deed().isVisible() ? deedTitle() : QStringLiteral("(none)"));
    };
    annThrows();
    ASSERT_TRUE(untilAnnThrows());
    EXPECT_EQ(inView, QStringList{"Whitechapel Road"});
    EXPECT_FALSE(deed().isVisible()) << "No puts the deed away";
    annThrows();
    while (boxes.shown.size() < 2 && clock.advanceToNextTick()) {
    }
    EXPECT_EQ(inView, (QStringList{"Whitechapel Road", "Euston Road"}));
    EXPECT_EQ(boxes.shown[1].text, "Ann, do you want to purchase Euston Road for £100?");
    EXPECT_TRUE(deed().isVisible()) << "Yes leaves it";
    EXPECT_EQ(deedTitle(), "Euston Road");
}

TEST_F(ReadableGame, TheStatusLineSaysWhoGoesToJailAllTheWayThere)
{
    // Ann to Jail (visiting), Ben to Whitechapel Road, Ann to Free Parking,
    // Ben to The Angel Islington, Ann to Go To Jail.
    startGame({6, 4, 1, 2, 6, 4, 2, 3, 6, 4});
    for (int turn = 0; turn < 3; ++turn)
        annThrows();
    const Player &ann = game.state().Players[0];
    const ui::Label &status = *testing::control<ui::Label>(board(), "lblStatus");
    for (const int square : {31, 35, 5}) {
        while (ann.Square != square && clock.advanceToNextTick()) {
        }
        ASSERT_EQ(ann.Square, square);
        EXPECT_TRUE(game.engine()->tmrMovePiece().enabled()) << "on the way, at " << square;
        EXPECT_TRUE(status.isVisible());
        EXPECT_EQ(status.text(), "Ann goes to Jail") << square;
    }
}

} // namespace
} // namespace tycora::app
