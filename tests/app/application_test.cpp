// The program from start-up to game end, driven as a person drives it: the
// menu, the set-up window, the board, and every way of closing a window,
// including at awkward moments of a game.

#include "app/application.h"
#include "app/debug_log.h"
#include "bench/benchmark_scenario.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_screen.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/label.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "support/find_control.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>


namespace tycora::app {
namespace {

using ui::MsgAnswer;
using ui::MsgButtons;
using ui::MsgIcon;

// The board's Roll Dice button, found by its name.
ui::CommandButton *rollDice(const ui::FrmMain &board) { return testing::control<ui::CommandButton>(board, "cmdRoll"); }

const QString Now = QStringLiteral("06/12/2026 12:00:00");
const QString QuitQuestion = QStringLiteral("Are you sure you want to Quit?");

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        services.now = Now;
        services.queueRandoms(1234, 40000);
        game = std::make_unique<Application>(services, boxes, clock);
    }
    void TearDown() override
    {
        game.reset();
        testing::processDeferredDeletes();
    }

    QByteArray logText() const { return services.files.value(logFilePath(services.folder)); }
    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = logText().split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.pop_back();
        for (QByteArray &line : lines)
            line.chop(1);   // the CR
        return lines;
    }
    int logLinesContaining(const QByteArray &text) const
    {
        int n = 0;
        for (const QByteArray &line : logLines())
            n += line.contains(text) ? 1 : 0;
        return n;
    }

    // The dice the next throws show: each die is Int(6 * r) + 1.
    void nextDice(std::initializer_list<int> faces) { services.nextDice(faces); }

    void enterPlayer(const QString &name, const QString &piece, const QString &colour, const QString &type)
    {
        testing::enterPlayer(*game->frmPlayers(), name, piece, colour, type);
    }

    // From the menu to the board with four computer players.
    void startComputerGame()
    {
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
        testing::clickButton(*game->frmPlayers(), "cmd4Computers");
        testing::clickButton(*game->frmPlayers(), "cmdNext");
        ASSERT_TRUE(game->frmMain()->isVisible());
    }

    // From the menu to the board with Ann (human) and Ben (computer).
    void startHumanGame()
    {
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
        enterPlayer("Ann", "Hat", "Red", "Human");
        enterPlayer("Ben", "Car ", "Blue", "Computer");
        testing::clickButton(*game->frmPlayers(), "cmdNext");
        ASSERT_TRUE(game->frmMain()->isVisible());
        ASSERT_TRUE(rollDice(*game->frmMain())->isEnabled());
        // Keys go to the active window, as on a desktop.
        game->frmMain()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(game->frmMain()));
    }

    // Runs the game tick by tick until the condition holds.
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

    // Everything about the game that a close answered No must leave as it was.
    struct Moment {
        ManualClock::Millis now;
        bool moving, countingDown, pausing;
        std::vector<int> squares, money;
        qsizetype logSize;
        bool operator==(const Moment &) const = default;
    };
    // The money animation of the main window is running.
    bool countingDown() const
    {
        const Timer *countdown = game->frmMain()->screen().tmrMoneyDown();
        return countdown && countdown->enabled();
    }
    Moment moment() const
    {
        Moment m{clock.now(), game->engine()->tmrMovePiece().enabled(), countingDown(),
                 game->engine()->tmrPause().enabled(), {}, {}, logText().size()};
        for (int i = 0; i < game->state().PlayerCount; ++i) {
            m.squares.push_back(game->state().Players[i].Square);
            m.money.push_back(game->state().Players[i].Money);
        }
        return m;
    }

    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(ProgramTest, ASecondCopyLogsItsStartSaysSoAndEndsWithoutAWindow)
{
    services.otherCopy = true;
    game->Main();
    EXPECT_EQ(logText(), "Game Started:  " + Now.toUtf8() + "\r\n");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Only 1 Tycora At A Time!");
    EXPECT_EQ(boxes.shown[0].title, "Tycora");
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(services.ended);
    EXPECT_EQ(game->frmMenu(), nullptr);
    EXPECT_EQ(game->frmMain(), nullptr);
}

TEST_F(ProgramTest, StartUpShowsTheMenuAloneAndPreparesTheRestOnceItIsOnTheScreen)
{
    game->Main();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(logLines(), QList<QByteArray>{"Game Started:  " + Now.toUtf8()});
    ASSERT_NE(game->frmMenu(), nullptr);
    EXPECT_TRUE(game->frmMenu()->isVisible());
    EXPECT_EQ(game->frmPlayers(), nullptr) << "nothing the menu does not show is made before it is painted";
    EXPECT_EQ(game->frmMain(), nullptr);

    ASSERT_TRUE(QTest::qWaitForWindowExposed(game->frmMenu()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return game->frmMain() != nullptr; }));
    ASSERT_NE(game->frmPlayers(), nullptr);
    EXPECT_FALSE(game->frmPlayers()->isVisible());
    EXPECT_FALSE(game->frmMain()->isVisible());
    EXPECT_NE(game->frmOptions(), nullptr);
    EXPECT_EQ(game->state().ChanceCards[0].CardId, CardId::AdvanceToMayfair);
    EXPECT_EQ(game->state().CommunityCards[1].CardId, CardId::GoBackToOldKentRoad);
    const auto tooltip = [&](int square) {
        return testing::control<ui::Picture>(*game->frmMain(), "imgStats", square)->toolTip();
    };
    EXPECT_EQ(tooltip(1), "Old Kent Road");
    EXPECT_EQ(tooltip(39), "Mayfair");
    EXPECT_EQ(tooltip(15), "Marylebone Station");
    EXPECT_EQ(tooltip(0), "");
    EXPECT_EQ(tooltip(30), "");
    EXPECT_EQ(logLines().size(), 1) << "and nothing is logged meanwhile";

    // New Game then shows the set-up made meanwhile.
    ui::FrmPlayers *made = game->frmPlayers();
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    EXPECT_EQ(game->frmPlayers(), made);
    EXPECT_TRUE(made->isVisible());
}

TEST_F(ProgramTest, ABoardMadeWhileTheMenuShowsDrawsAsOneMadeAtNewGame)
{
    // New Game before the menu's first paint makes the windows there and then.
    const auto boardOfAFourComputerGame = [this](bool menuPaintedFirst) {
        game = std::make_unique<Application>(services, boxes, clock);
        game->Main();
        if (menuPaintedFirst)
            EXPECT_TRUE(QTest::qWaitFor([&] { return game->frmMain() != nullptr; }));
        else
            EXPECT_EQ(game->frmMain(), nullptr);
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
        testing::clickButton(*game->frmPlayers(), "cmd4Computers");
        testing::clickButton(*game->frmPlayers(), "cmdNext");
        const QImage board = game->frmMain()->grab().toImage();
        game.reset();
        testing::processDeferredDeletes();
        return board;
    };
    services.randoms.clear();
    services.queueRandoms(1234, 100);
    const QImage atNewGame = boardOfAFourComputerGame(false);
    services.randoms.clear();
    services.queueRandoms(1234, 100);
    const QImage whileTheMenuShows = boardOfAFourComputerGame(true);
    ASSERT_FALSE(atNewGame.isNull());
    EXPECT_TRUE(whileTheMenuShows == atNewGame);
}

TEST_F(ProgramTest, WithoutTheWordDebugNoFileIsWritten)
{
    for (const char *line : {"", "-debug", "debug.txt", "/debugging", "x/de bug"}) {
        services.files.clear();
        services.arguments = QString::fromLatin1(line);
        Application quiet(services, boxes, clock);
        quiet.Main();
        quiet.endGame();
        testing::processDeferredDeletes();
        EXPECT_TRUE(services.files.isEmpty()) << line;
    }
}

TEST_F(ProgramTest, QuitFromTheMenuNoKeepsItYesEndsWithTheEndLine)
{
    game->Main();
    boxes.answers = {MsgAnswer::No};
    game->frmMenu()->close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QuitQuestion);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Question);
    EXPECT_TRUE(game->frmMenu()->isVisible());
    EXPECT_FALSE(services.ended);
    EXPECT_EQ(logLines().size(), 1);

    boxes.answers = {MsgAnswer::Yes};
    game->frmMenu()->close();
    EXPECT_TRUE(services.ended);
    EXPECT_TRUE(logText().endsWith("Game Ended:  " + Now.toUtf8() + "\r\n\r\n"));
    testing::processDeferredDeletes();
    EXPECT_EQ(game->frmMenu(), nullptr);
    EXPECT_EQ(game->frmPlayers(), nullptr);
    EXPECT_EQ(game->frmMain(), nullptr);
    EXPECT_EQ(boxes.shown.size(), 2u) << "no window asks again while the program unloads it";
}

TEST_F(ProgramTest, NewGameLeadsThroughTheSetUpToTheBoard)
{
    game->Main();
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    testing::processDeferredDeletes();
    EXPECT_EQ(game->frmMenu(), nullptr) << "the menu is unloaded, asking nothing";
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_TRUE(game->frmPlayers()->isVisible());

    testing::clickButton(*game->frmPlayers(), "cmd4Computers");
    testing::clickButton(*game->frmPlayers(), "cmdNext");
    testing::processDeferredDeletes();
    EXPECT_EQ(game->frmPlayers(), nullptr);
    ui::FrmMain &board = *game->frmMain();
    EXPECT_TRUE(board.isVisible());
    EXPECT_EQ(board.windowTitle(), "Tycora by Varnoth");
    EXPECT_EQ(game->state().PlayerCount, 4);
    const QList<QByteArray> lines = logLines();
    ASSERT_GE(lines.size(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(lines[1 + i].startsWith("Player " + QByteArray::number(i) + ":  ")) << lines[1 + i].data();
    EXPECT_EQ(testing::control<ui::Label>(board, "lblPlayerInfoMoney", 0)->text(), "£1500");
    EXPECT_FALSE(rollDice(board)->isEnabled()) << "a computer is to throw";

    // Computers play on their own; the turn goes round.
    ASSERT_TRUE(runUntil([&] { return game->engine()->handOvers() >= 12; }));
    EXPECT_GE(logLinesContaining("rolls:  "), 12);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ProgramTest, ClosingDuringAWalkStopsTheTimersBeforeTheEndLine)
{
    startComputerGame();
    ASSERT_TRUE(runUntil([&] { return game->engine()->tmrMovePiece().enabled(); }));
    boxes.answers = {MsgAnswer::Yes};
    bool heldWhileAsked = false;
    boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &) { heldWhileAsked = clock.held(); };
    game->frmMain()->close();
    EXPECT_TRUE(heldWhileAsked);
    EXPECT_TRUE(services.ended);
    EXPECT_FALSE(game->engine()->tmrMovePiece().enabled());
    EXPECT_FALSE(game->engine()->tmrPause().enabled());
    EXPECT_FALSE(countingDown());
    EXPECT_TRUE(logLines().back().isEmpty());
    EXPECT_TRUE(logLines()[logLines().size() - 2].startsWith("Game Ended:  "));
    const QByteArray atEnd = logText();
    EXPECT_FALSE(clock.advanceToNextTick()) << "nothing moves after the end";
    EXPECT_EQ(logText(), atEnd);
}

TEST_F(ProgramTest, ClosingAnsweredNoGoesOnExactlyWhereTheGameWas)
{
    startComputerGame();
    struct Situation {
        const char *name;
        std::function<bool()> reached;
    };
    Engine &engine = *game->engine();
    const std::vector<Situation> situations{
        {"a walk", [&] { return engine.tmrMovePiece().enabled(); }},
        {"a computer's pause", [&] { return engine.tmrPause().enabled() && !engine.tmrMovePiece().enabled(); }},
        {"a debt counting down", [&] { return countingDown(); }},
    };
    for (const Situation &s : situations) {
        ASSERT_TRUE(runUntil(s.reached)) << s.name;
        const Moment before = moment();
        boxes.answers = {MsgAnswer::No};
        game->frmMain()->close();
        EXPECT_TRUE(game->frmMain()->isVisible()) << s.name;
        EXPECT_FALSE(services.ended) << s.name;
        EXPECT_FALSE(clock.held()) << s.name;
        EXPECT_TRUE(moment() == before) << s.name;
        const long long handOvers = engine.handOvers();
        ASSERT_TRUE(runUntil([&] { return engine.handOvers() > handOvers; })) << s.name << " goes on";
    }
}

TEST_F(ProgramTest, ADoubleClickOnRollDiceThrowsOnce)
{
    startHumanGame();
    nextDice({1, 2});
    ui::FrmMain &board = *game->frmMain();
    // A double click as the window system delivers it: a click, then a
    // second press that arrives as a double click, and its release.
    QTest::mouseClick(rollDice(board), Qt::LeftButton);
    QTest::mouseDClick(rollDice(board), Qt::LeftButton);
    EXPECT_EQ(logLinesContaining("Ann (£1500) rolls:  "), 1);
    EXPECT_FALSE(rollDice(board)->isEnabled());

    // Clicks, keys and hovers while the piece walks change nothing.
    boxes.answers = {MsgAnswer::No};
    for (int step = 0; step < 3 && game->engine()->tmrMovePiece().enabled(); ++step) {
        QTest::mouseClick(rollDice(board), Qt::LeftButton);
        QTest::keyClick(&board, Qt::Key_Space);
        QTest::keyClick(&board, Qt::Key_Return);
        board.imgInfo_MouseMove(1);
        board.imgStats_MouseMove(5);
        board.Form_MouseMove();
        clock.advanceToNextTick();
    }
    ASSERT_TRUE(runUntil([&] { return !game->engine()->tmrMovePiece().enabled(); }));
    EXPECT_EQ(logLinesContaining("Ann (£1500) rolls:  "), 1);
    EXPECT_EQ(game->state().Players[0].Square, 3);
    EXPECT_EQ(logLinesContaining("Ann (£1500) rolls:  1,2"), 1);
}

TEST_F(ProgramTest, SpaceThrowsForAHumanAndYesBuys)
{
    startHumanGame();
    nextDice({1, 2});
    boxes.answers = {MsgAnswer::Yes};
    QTest::keyClick(game->frmMain(), Qt::Key_Space);
    ASSERT_TRUE(runUntil([&] { return !boxes.shown.empty(); }));
    EXPECT_EQ(boxes.shown[0].text, "Ann, do you want to purchase Whitechapel Road for £60?");
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(game->state().Properties[3].Owned, true);
    EXPECT_EQ(game->state().Players[0].Money, 1440);
    EXPECT_EQ(testing::control<ui::Label>(*game->frmMain(), "lblPlayerInfoMoney", 0)->text(), "£1440");
    EXPECT_EQ(logLinesContaining("Ann (£1500) Purchased Whitechapel Road"), 1) << "a human's purchase logs the balance before it";
}

TEST_F(ProgramTest, EnterThrowsAndTheCloseShortcutsAskFirst)
{
    startHumanGame();
    ui::FrmMain &board = *game->frmMain();
    boxes.answers = {MsgAnswer::No, MsgAnswer::No};
    QTest::keyClick(&board, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&board, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QuitQuestion);
    EXPECT_EQ(boxes.shown[1].text, QuitQuestion);
    EXPECT_TRUE(board.isVisible());
    EXPECT_TRUE(rollDice(board)->isEnabled()) << "still Ann's throw";

    nextDice({2, 4});
    QTest::keyClick(&board, Qt::Key_Return);
    EXPECT_EQ(logLinesContaining("Ann (£1500) rolls:  2,4"), 1);

    boxes.answers = {MsgAnswer::Yes};
    QTest::keyClick(&board, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(services.ended);
    EXPECT_EQ(logLinesContaining("Game Ended:  "), 1);
}

TEST_F(ProgramTest, TheFirstPlayersPieceStandsOnGoWhenTheBoardOpens)
{
    startHumanGame();
    const ui::FrmMain &board = *game->frmMain();
    const ui::Art &onGo = testing::control<ui::Picture>(board, "imgSquare", 0)->picture();
    EXPECT_FALSE(onGo.isNull());
    EXPECT_EQ(onGo, testing::control<ui::Picture>(board, "imgPlayerInfoPiece", 0)->picture());
    EXPECT_EQ(testing::control<ui::Label>(board, "lblCurrentPlayerName")->text(), "Ann");
    EXPECT_EQ(game->state().Players[0].Square, -1);
}

TEST_F(ProgramTest, TheMortgageButtonShowsAMortgageValue)
{
    startHumanGame();
    testing::control<ui::CommandButton>(*game->frmMain(), "cmdMorgage")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "£50");
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.shown[0].title, "Tycora");
    EXPECT_TRUE(rollDice(*game->frmMain())->isEnabled()) << "nothing else changes";
}

TEST_F(ProgramTest, ClosingWhileThePurchaseQuestionIsOpenAndAnsweringNoKeepsTheQuestion)
{
    startHumanGame();
    nextDice({1, 2});
    // While the purchase question is up the user closes the board and
    // answers the quit question No; then answers the purchase Yes.
    boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
    bool closed = false;
    Moment atQuestion{};
    boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &box) {
        if (closed || box.text == QuitQuestion)
            return;
        closed = true;
        atQuestion = moment();
        game->frmMain()->close();
        EXPECT_TRUE(moment() == atQuestion);
    };
    rollDice(*game->frmMain())->click();
    ASSERT_TRUE(runUntil([&] { return closed; }));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, QuitQuestion);
    EXPECT_FALSE(services.ended);
    EXPECT_TRUE(game->frmMain()->isVisible());
    EXPECT_TRUE(game->state().Properties[3].Owned);
    EXPECT_EQ(game->state().Players[0].Money, 1440);
    // And Ben's turn comes as usual.
    ASSERT_TRUE(runUntil([&] { return logLinesContaining("Ben (£1500) rolls:  ") == 1; }));
}

TEST_F(ProgramTest, BenchmarkScenariosReachTheStateTheyMeasure)
{
    game->Main();
    EXPECT_FALSE(bench::startBenchmarkScenario(*game, "no-such-scenario"));
    ASSERT_TRUE(bench::startBenchmarkScenario(*game, "human-to-throw"));
    EXPECT_TRUE(game->frmMain()->isVisible());
    EXPECT_EQ(game->state().PlayerCount, 2);
    EXPECT_EQ(game->state().Players[0].Name, "Ann");
    EXPECT_TRUE(rollDice(*game->frmMain())->isEnabled()) << "waiting for a human's throw";
    EXPECT_FALSE(clock.advanceToNextTick()) << "and nothing else runs meanwhile";
}

} // namespace
} // namespace tycora::app
