// The players' choices from the set-up's Options frame to the game: the
// engine gets them at "Next  >>", the log names the options that differ, the
// board shows the Free Parking pot, P changes the pace, and the choices are
// remembered between runs in a settings file that may be missing or broken.

#include "app/application.h"
#include "app/debug_log.h"
#include "app/game_settings.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_options.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/label.h"
#include "toolkit/message_box.h"
#include "support/find_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

const GameOptions AllDifferent{false, true, true, RuleSet::Full};
// What the engine plays them with: a Full rules game trades.
const GameOptions AllDifferentPlayed{false, true, true, RuleSet::Full, true};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(GameSettings, ChoicesReadBackAndAnythingNotUnderstoodGivesTheDefault)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tycora/Tycora.ini"));
    EXPECT_EQ(loadChoices(file), GameChoices{}) << "missing";
    for (const GameChoices &chosen : {GameChoices{AllDifferent, Pace::Instant, 200},
                                      GameChoices{{true, false, true, RuleSet::Classic}, Pace::Fast, 125},
                                      GameChoices{AllDifferent, Pace::Classic, 100,
                                                  {ComputerLevel::Hard, ComputerLevel::Easy, ComputerLevel::Normal,
                                                   ComputerLevel::Hard}},
                                      GameChoices{}}) {
        ASSERT_TRUE(saveChoices(file, chosen));
        EXPECT_EQ(loadChoices(file), chosen);
    }

    const QByteArray broken[] = {
        QByteArray::fromHex("00ff13375b475d0a3d3d00c3a9fe"),
        "[Game]\nFirstRoundBuying=maybe\nDoubleGoSalary=1\nFreeParkingPot=yes\nRules=full\nPace=Ludicrous\n",
        "[Game\nPace=Fast\nRules=Full\n",
        "[Game]\nPace=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\nRules=@ByteArray(Full\n",
        "[Windows]\nScale=300\n",
        "[Windows]\nScale=150%\n",
        "[Windows]\nScale=\" 150\"\n",
        "[Windows]\nScale=0150\n",
    };
    for (const QByteArray &contents : broken) {
        writeFile(file, contents);
        EXPECT_EQ(loadChoices(file), GameChoices{}) << contents.toStdString();
        // Saving over it leaves a file of the choices alone, that reads back.
        const GameChoices fast{{}, Pace::Fast};
        ASSERT_TRUE(saveChoices(file, fast));
        EXPECT_EQ(loadChoices(file), fast);
        EXPECT_EQ(QSettings(file, QSettings::IniFormat).allKeys().size(), 5) << "the usual size is not written";
    }
    writeFile(file, "[Windows]\nScale=150\n");
    EXPECT_EQ(loadChoices(file).windowScale, 150);

    // Each seat's level on its own: a word that is not a level's name as
    // this program writes it, or a missing one, is Normal; more are ignored.
    const std::pair<QByteArray, std::array<ComputerLevel, MaxPlayers>> levels[] = {
        {"Hard,Expert,hard,Easy,Hard", {ComputerLevel::Hard, ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Easy}},
        {"Easy", {ComputerLevel::Easy, ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Normal}},
        {",,,Hard", {ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Hard}},
        {"Hard Hard", GameChoices{}.levels},
    };
    for (const auto &[text, expected] : levels) {
        writeFile(file, "[Game]\nLevels=" + text + "\n");
        EXPECT_EQ(loadChoices(file).levels, expected) << text.toStdString();
    }

    // A folder where the file should be: nothing to read, nothing written.
    const QString folder = dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(loadChoices(folder), GameChoices{});
    EXPECT_FALSE(saveChoices(folder, GameChoices{{}, Pace::Fast}));
    EXPECT_FALSE(saveChoices(QString(), GameChoices{}));
    EXPECT_EQ(loadChoices(QString()), GameChoices{});
}

class Choices : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        for (int i = 0; i < 20000; ++i)
            services.randoms.push_back((i * 7919 % 1000) / 1000.0);
    }
    void TearDown() override
    {
        game.reset();
        testing::processDeferredDeletes();
    }

    // A run of the program as far as the set-up window.
    void startProgram()
    {
        TearDown();
        services.files.clear();
        game = std::make_unique<Application>(services, boxes, clock);
        game->setSettingsFile(settingsFile);
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    }
    testing::OptionControls panel() { return testing::OptionControls(*game->frmPlayers()); }

    void chooseEverythingOtherThanTheDefault()
    {
        for (QCheckBox *box : {panel().chkFirstRoundBuying, panel().chkDoubleSalary, panel().chkFreeParking})
            QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(panel().cboRules, Qt::Key_Down);   // Full
        QTest::keyClick(panel().cboPace, Qt::Key_Down);    // Fast
        QTest::keyClick(panel().cboSize, Qt::Key_Down);    // 125%
    }

    // Ann (human) and Ben (computer), then "Next  >>"; the board is active.
    void startGame()
    {
        ui::FrmPlayers &players = *game->frmPlayers();
        for (const auto &[name, piece, colour, type] : {std::array<const char *, 4>{"Ann", "Hat", "Red", "Human"},
                                                        {"Ben", "Car ", "Blue", "Computer"}})
            testing::enterPlayer(players, name, piece, colour, type);
        QTest::mouseClick(testing::control<ui::CommandButton>(players, "cmdNext"), Qt::LeftButton);
        game->frmMain()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(game->frmMain()));
    }

    // Ann's throw: dice 1 and 3 take her to Income Tax.
    void throwForIncomeTax()
    {
        services.randoms.push_front(2.5 / 6);
        services.randoms.push_front(0.5 / 6);
        QTest::mouseClick(testing::control<ui::CommandButton>(*game->frmMain(), "cmdRoll"), Qt::LeftButton);
    }
    template<typename Condition>
    bool runUntil(Condition condition)
    {
        while (!condition())
            if (!clock.advanceToNextTick())
                return false;
        return true;
    }

    QList<QByteArray> logLines() const
    {
        QList<QByteArray> lines = services.files.value(logFilePath(services.folder)).split('\n');
        lines.removeAll(QByteArray());
        for (QByteArray &line : lines)
            line.chop(1);   // the CR
        return lines;
    }
    ui::Label *label(const char *name) const { return testing::control<ui::Label>(*game->frmMain(), name); }

    QTemporaryDir settingsDir;
    const QString settingsFile = settingsDir.filePath(QStringLiteral("Tycora.ini"));
    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(Choices, WhatIsChosenReachesTheEngineTheLogAndTheBoard)
{
    startProgram();
    chooseEverythingOtherThanTheDefault();
    EXPECT_EQ(panel().lblRulesSummary->text(), "Full rules: build, mortgage, go bankrupt; the last player left wins.");
    ASSERT_NO_FATAL_FAILURE(startGame());
    Engine &engine = *game->engine();
    EXPECT_EQ(engine.options(), AllDifferentPlayed);
    EXPECT_EQ(engine.pace(), Pace::Fast);
    EXPECT_TRUE(game->frmOptions()->doubleSalary());

    // The player lines, then the options that differ from the defaults.
    const QList<QByteArray> lines = logLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[1], "Player 0:  Ann, Hat, Red, Human");
    EXPECT_EQ(lines[2], "Player 1:  Ben, Car , Blue, Computer");
    EXPECT_EQ(lines[3], "Options:  No purchasing on the first round, £400 for landing on GO, "
                        "All payments goto Free Parking, Full rules");

    // The pot is on the board from the start and follows the payments.
    ui::Label *pot = label("lblFreeParking");
    EXPECT_TRUE(pot->isVisible());
    EXPECT_EQ(pot->text(), "Free Parking £0");
    throwForIncomeTax();
    EXPECT_EQ(engine.tmrMovePiece().interval(), timingsOf(Pace::Fast).stepMs);
    ASSERT_TRUE(runUntil([&] { return game->state().FreeParking > 0; }));
    EXPECT_EQ(pot->text(), "Free Parking £200");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Choices, ADefaultGameLogsNoOptionsShowsNoPotAndPlaysAtTheClassicPace)
{
    startProgram();
    ASSERT_NO_FATAL_FAILURE(startGame());
    Engine &engine = *game->engine();
    EXPECT_EQ(engine.options(), GameOptions{});
    EXPECT_EQ(engine.pace(), Pace::Classic);
    EXPECT_FALSE(game->frmOptions()->doubleSalary());
    ASSERT_EQ(logLines().size(), 3);
    EXPECT_EQ(logLines()[2], "Player 1:  Ben, Car , Blue, Computer");

    throwForIncomeTax();
    EXPECT_EQ(engine.tmrMovePiece().interval(), 500);
    ASSERT_TRUE(runUntil([&] { return engine.tmrPause().enabled(); }));
    EXPECT_EQ(engine.tmrPause().interval(), 1800);
    EXPECT_EQ(game->state().Players[0].Money, 1300) << "Income Tax went to the bank";
    EXPECT_FALSE(label("lblFreeParking")->isVisible());
}

TEST_F(Choices, RememberedFromOneRunToTheNextAndBrokenSettingsGiveTheDefaults)
{
    startProgram();
    chooseEverythingOtherThanTheDefault();
    ASSERT_NO_FATAL_FAILURE(startGame());

    EXPECT_EQ(loadChoices(settingsFile).windowScale, 125);
    EXPECT_EQ(game->frmMain()->devicePixelRatioF(), 1.0) << "a new size waits for the next start";

    startProgram();
    EXPECT_EQ(game->frmPlayers()->options(), AllDifferent);
    EXPECT_EQ(panel().cboPace->currentText(), "Fast");
    EXPECT_EQ(panel().cboSize->currentText(), "125%");
    ASSERT_NO_FATAL_FAILURE(startGame());
    EXPECT_EQ(game->engine()->options(), AllDifferentPlayed);
    EXPECT_EQ(game->engine()->pace(), Pace::Fast);

    writeFile(settingsFile, QByteArray::fromHex("5b47616d655d0a50616365ff00fe"));
    startProgram();
    EXPECT_EQ(game->frmPlayers()->options(), GameOptions{});
    EXPECT_EQ(game->frmPlayers()->pace(), Pace::Classic);
    EXPECT_EQ(game->frmPlayers()->windowScale(), 100);
    ASSERT_NO_FATAL_FAILURE(startGame());
    EXPECT_EQ(game->engine()->options(), GameOptions{});
    EXPECT_TRUE(boxes.shown.empty()) << "no message about the settings";
}

TEST_F(Choices, TheFirstSetUpOffersWhatTheStartReadAndTheNextReadsTheFileAgain)
{
    writeFile(settingsFile, "[Game]\nRules=Full\nPace=Fast\n");
    game = std::make_unique<Application>(services, boxes, clock);
    // What the start read, different from the file, so that a second
    // reading would show.
    const GameChoices read{{true, false, false, RuleSet::Classic}, Pace::Instant, 150};
    game->setSettingsFile(settingsFile, ChoicesRead{read, QStringLiteral("a test's reason")});
    game->Main();
    testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    EXPECT_EQ(game->frmPlayers()->options(), read.options);
    EXPECT_EQ(game->frmPlayers()->pace(), Pace::Instant);
    EXPECT_EQ(game->frmPlayers()->windowScale(), 150);
    ASSERT_EQ(services.problems.size(), 1);
    EXPECT_EQ(services.problems[0], "cannot read the settings " + settingsFile +
                                        " (a test's reason); the game offers the usual choices.");

    game->newGame();
    EXPECT_EQ(game->frmPlayers()->options().rules, RuleSet::Full);
    EXPECT_EQ(game->frmPlayers()->pace(), Pace::Fast);
    EXPECT_EQ(services.problems.size(), 1);
}

TEST_F(Choices, ThePaceKeyGoesRoundTheThreePacesFromTheNextTimerStart)
{
    startProgram();
    ASSERT_NO_FATAL_FAILURE(startGame());
    Engine &engine = *game->engine();
    ui::FrmMain &board = *game->frmMain();
    ui::Label *notice = label("lblPace");
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(testing::control<QWidget>(board, "Frame1")->toolTip(), "Press P to change the pace: Classic, Fast, Instant");

    QTest::keyClick(&board, Qt::Key_P);
    EXPECT_EQ(engine.pace(), Pace::Fast);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "Pace: Fast");
    EXPECT_EQ(loadChoices(settingsFile).pace, Pace::Fast) << "remembered for the next run";

    throwForIncomeTax();
    EXPECT_FALSE(notice->isVisible()) << "the throw clears it";
    EXPECT_EQ(engine.tmrMovePiece().interval(), 170);
    // A change during the walk leaves the running timer as it is.
    QTest::keyClick(&board, Qt::Key_P);
    EXPECT_EQ(engine.pace(), Pace::Instant);
    EXPECT_EQ(notice->text(), "Pace: Instant");
    EXPECT_EQ(engine.tmrMovePiece().interval(), 170);
    ASSERT_TRUE(runUntil([&] { return engine.tmrPause().enabled(); }));
    EXPECT_EQ(engine.tmrPause().interval(), timingsOf(Pace::Instant).pauseMs);

    QTest::keyClick(&board, Qt::Key_P);
    EXPECT_EQ(engine.pace(), Pace::Classic);
    EXPECT_EQ(notice->text(), "Pace: Classic");
    EXPECT_EQ(loadChoices(settingsFile), GameChoices{});
}

} // namespace
} // namespace tycora::app
