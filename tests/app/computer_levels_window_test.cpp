// The computers' levels in the whole program: chosen in the set-up window
// beside the type under the Full rules, listed in the player table, played
// by the seat, shown on the board's panel and remembered for the next run.
// Under the Classic rules none of it is offered and the window is as it was.

#include "app/application.h"
#include "app/game_settings.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/message_box.h"
#include "toolkit/twips.h"
#include "support/find_control.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

// Opens a combo's list, moves to the entry and presses Return, as a
// keyboard user picks it.
void pickEntry(QComboBox &combo, const QString &text)
{
    const int i = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(i, 0) << "no entry " << text.toStdString();
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    view->setCurrentIndex(combo.model()->index(i, combo.modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
}

class ComputerLevels : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        services.queueRandoms(7, 20000);
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
        game = std::make_unique<Application>(services, boxes, clock);
        game->setSettingsFile(settingsFile);
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    }
    ui::FrmPlayers &setUp() { return *game->frmPlayers(); }
    testing::SetUpControls controls() { return testing::SetUpControls(setUp()); }
    QComboBox &levelChoice() { return *testing::control<QComboBox>(setUp(), QStringLiteral("cboLevel")); }
    void chooseRules(const QString &rules) { pickEntry(*testing::OptionControls(setUp()).cboRules, rules); }

    void enterPlayer(const char *name, const char *piece, const char *colour, const char *type,
                     const char *level = nullptr)
    {
        const testing::SetUpControls players(setUp());
        players.txtName->setText(QString::fromUtf8(name));
        testing::pick(*players.imgcPieces, QString::fromUtf8(piece));
        testing::pick(*players.imgcColours, QString::fromUtf8(colour));
        testing::pick(*players.imgcType, QString::fromUtf8(type));
        if (level)
            pickEntry(levelChoice(), QString::fromUtf8(level));
        QTest::mouseClick(players.cmdAdd, Qt::LeftButton);
    }
    QStringList column(int index)
    {
        QStringList texts;
        for (int row = 1; row <= controls().lstPlayers->rowCount(); ++row)
            texts << controls().lstPlayers->subItem(row, index);
        return texts;
    }
    QStringList headers()
    {
        QStringList shown;
        const ui::ListView &list = *controls().lstPlayers;
        for (int c = 0; c < list.columnCount(); ++c)
            if (!list.isColumnHidden(c))
                shown << list.headerItem()->text(c) + QStringLiteral(":") + QString::number(list.columnWidth(c));
        return shown;
    }
    void startGame()
    {
        QTest::mouseClick(controls().cmdNext, Qt::LeftButton);
        ASSERT_TRUE(game->frmMain()->isVisible());
    }
    ui::Label &panelLevel(int player)
    {
        return *testing::control<ui::Label>(*game->frmMain(), QStringLiteral("lblPlayerInfoLevel"), player);
    }

    QTemporaryDir settingsDir;
    const QString settingsFile = settingsDir.filePath(QStringLiteral("Tycora.ini"));
    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(ComputerLevels, HardChosenByClicksIsListedPlayedShownAndRemembered)
{
    startProgram();
    chooseRules(QStringLiteral("Full"));
    QComboBox &level = levelChoice();
    EXPECT_TRUE(level.isVisible());
    EXPECT_EQ(testing::comboEntries(level), (QStringList{"Easy", "Normal", "Hard"}));
    EXPECT_EQ(level.currentText(), QStringLiteral("Normal"));
    EXPECT_FALSE(level.isEnabled()) << "no type picked yet";
    // Beside the type, which keeps its place and makes room.
    EXPECT_EQ(level.geometry(), ui::rectFromTwips(2025, 2400, 1005, 375));
    EXPECT_EQ(controls().imgcType->geometry(), ui::rectFromTwips(390, 2400, 1590, 375));

    enterPlayer("Ann", "Hat", "Red", "Human");
    testing::pick(*controls().imgcType, QStringLiteral("Human"));
    EXPECT_FALSE(level.isEnabled()) << "a person has no level";
    testing::pick(*controls().imgcType, QStringLiteral("Computer"));
    EXPECT_TRUE(level.isEnabled());
    enterPlayer("Ben", "Car ", "Blue", "Computer", "Hard");
    enterPlayer("Cleo", "Shoe", "Green", "Computer");

    const int width = ui::widthTwips(controls().lstPlayers);
    EXPECT_EQ(headers(), (QStringList{QStringLiteral("Name:%1").arg(ui::px(width - 3410 - 780)),
                                      QStringLiteral("Piece:%1").arg(ui::px(1400)),
                                      QStringLiteral("Colour:%1").arg(ui::px(1000)),
                                      QStringLiteral("Type:%1").arg(ui::px(1000)),
                                      QStringLiteral("Level:%1").arg(ui::px(780))}));
    EXPECT_EQ(column(4), (QStringList{"", "Hard", "Normal"}));

    startGame();
    const GameState &state = game->state();
    EXPECT_EQ(state.Players[1].Level, ComputerLevel::Hard);
    EXPECT_EQ(state.Players[2].Level, ComputerLevel::Normal);
    // The board says how strongly each computer plays, under its name.
    EXPECT_FALSE(panelLevel(0).isVisible());
    EXPECT_TRUE(panelLevel(1).isVisible());
    EXPECT_EQ(panelLevel(1).caption(), QStringLiteral("Hard"));
    EXPECT_EQ(panelLevel(2).caption(), QStringLiteral("Normal"));
    // A computer's state ("In Jail") ends short of its level; a person's
    // keeps the whole room beside the balance.
    for (const int player : {1, 2}) {
        const ui::Label &state = *testing::control<ui::Label>(*game->frmMain(), QStringLiteral("lblPlayerInfoState"), player);
        const ui::Label &level = panelLevel(player);
        EXPECT_LT(state.geometry().right(), level.geometry().right() - level.fontMetrics().horizontalAdvance(level.caption()))
            << player;
    }
    EXPECT_EQ(testing::control<ui::Label>(*game->frmMain(), QStringLiteral("lblPlayerInfoState"), 0)->width(), ui::px(1545));
    EXPECT_EQ(loadChoices(settingsFile).levels,
              (std::array{ComputerLevel::Normal, ComputerLevel::Hard, ComputerLevel::Normal, ComputerLevel::Normal}));

    // The next run offers each seat the level chosen for it last time.
    startProgram();
    EXPECT_EQ(testing::OptionControls(setUp()).cboRules->currentText(), QStringLiteral("Full"));
    QTest::mouseClick(controls().cmd4Computers, Qt::LeftButton);
    EXPECT_EQ(column(4), (QStringList{"Normal", "Hard", "Normal", "Normal"}));
    // Taken back with Edit, a computer comes back with its level, to change.
    controls().lstPlayers->setCurrentItem(controls().lstPlayers->topLevelItem(1));
    QTest::mouseClick(controls().cmdEdit, Qt::LeftButton);
    EXPECT_EQ(levelChoice().currentText(), QStringLiteral("Hard"));
    pickEntry(levelChoice(), QStringLiteral("Easy"));
    QTest::mouseClick(controls().cmdAdd, Qt::LeftButton);
    EXPECT_EQ(column(4), (QStringList{"Normal", "Easy", "Normal", "Normal"}));
    startGame();
    EXPECT_EQ(game->state().Players[1].Level, ComputerLevel::Easy);
    EXPECT_EQ(panelLevel(1).caption(), QStringLiteral("Easy"));
}

TEST_F(ComputerLevels, ClassicRulesOfferNoLevelAndTheTableIsAsItWas)
{
    ASSERT_TRUE(saveChoices(settingsFile, GameChoices{{}, Pace::Classic, ui::DefaultWindowScale,
                                                       {ComputerLevel::Hard, ComputerLevel::Hard,
                                                        ComputerLevel::Easy, ComputerLevel::Hard}}));
    startProgram();
    EXPECT_FALSE(levelChoice().isVisible());
    const int width = ui::widthTwips(controls().lstPlayers);
    const QStringList classicHeaders{QStringLiteral("Name:%1").arg(ui::px(width - 3410)),
                                     QStringLiteral("Piece:%1").arg(ui::px(1400)),
                                     QStringLiteral("Colour:%1").arg(ui::px(1000)),
                                     QStringLiteral("Type:%1").arg(ui::px(1000))};
    EXPECT_EQ(headers(), classicHeaders);
    QTest::mouseClick(controls().cmd4Computers, Qt::LeftButton);
    const QImage classic = testing::grabImage(setUp());

    // To the Full rules and back: the level comes and goes, and the window
    // is again exactly as it was.
    chooseRules(QStringLiteral("Full"));
    EXPECT_TRUE(levelChoice().isVisible());
    EXPECT_EQ(headers().size(), 5);
    EXPECT_EQ(column(4), (QStringList{"Hard", "Hard", "Easy", "Hard"}));
    chooseRules(QStringLiteral("Classic"));
    EXPECT_FALSE(levelChoice().isVisible());
    EXPECT_EQ(controls().imgcType->geometry(), ui::rectFromTwips(390, 2400, 2280, 375));
    EXPECT_EQ(headers(), classicHeaders);
    EXPECT_EQ(testing::grabImage(setUp()), classic);

    // The remembered levels stay remembered, but the Classic game's
    // computers play the classic rule and their panels say nothing more.
    startGame();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(game->state().Players[i].Level, ComputerLevel::Normal) << i;
        EXPECT_FALSE(panelLevel(i).isVisible()) << i;
    }
    EXPECT_EQ(loadChoices(settingsFile).levels,
              (std::array{ComputerLevel::Hard, ComputerLevel::Hard, ComputerLevel::Easy, ComputerLevel::Hard}));
}

} // namespace
} // namespace tycora::app
