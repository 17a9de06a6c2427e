// The main window as it is loaded: every control at its place and size,
// in its first state, and the mouse-move rules of the two cards.

#include "main_window_support.h"

#include "game/engine.h"
#include "game/manual_clock.h"
#include "game/null_screen.h"
#include "tests/support/recording_log.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

namespace tycora::testing {
namespace {

using ui::Shape;

class Controls : public MainWindowTest {};

TEST_F(Controls, WindowCaptionSizeAndColours)
{
    EXPECT_EQ(form->windowTitle(), "Tycora by Varnoth");
    form->show();
    EXPECT_EQ(form->size(), QSize(1023, 727));
    // With a window manager's title bar it fits a screen of 1024 by 768.
    EXPECT_LE(form->height() + 40, 768);
    EXPECT_EQ(form->findChild<QMenuBar *>(), nullptr) << "no menu bar is shown";
    QMenu *game = control<QMenu>(*form, "mnugame");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->title(), "&Game");
    EXPECT_EQ(control<QAction>(*form, "mnugamenew")->text(), "&New");
    EXPECT_EQ(control<QAction>(*form, "mnugamesave")->text(), "&Save");
    EXPECT_EQ(control<QAction>(*form, "mnugameload")->text(), "&Load");
    EXPECT_FALSE(game->isVisible());
}

TEST_F(Controls, BoardTilesFollowTheMosaicRule)
{
    const auto tile = [this](int n) { return picture("imgBoard", n); };
    EXPECT_EQ(controlIndexes(*form, "imgBoard").size(), 40u);
    EXPECT_EQ(tile(0)->geometry(), twipRect(9615, 9630, 1155, 1155));
    EXPECT_EQ(tile(1)->geometry(), twipRect(9615 - 915, 9630, 930, 1155));
    EXPECT_EQ(tile(9)->geometry(), twipRect(9615 - 915 * 9, 9630, 930, 1155));
    EXPECT_EQ(tile(10)->geometry(), twipRect(240, 9630, 1155, 1155));
    EXPECT_EQ(tile(14)->geometry(), twipRect(240, 9630 - 915 * 4, 1155, 930));
    EXPECT_EQ(tile(20)->geometry(), twipRect(240, 255, 1155, 1155));
    EXPECT_EQ(tile(25)->geometry(), twipRect(1380 + 915 * 4, 255, 930, 1155));
    EXPECT_EQ(tile(30)->geometry(), twipRect(9615, 255, 1155, 1155));
    EXPECT_EQ(tile(39)->geometry(), twipRect(9615, 1395 + 915 * 8, 1155, 930));
    EXPECT_EQ(picture("Image6")->geometry(), twipRect(2220, 4080, 6495, 1980));
    for (int n = 0; n < 40; ++n)
        EXPECT_FALSE(tile(n)->picture().isNull()) << n;
}

TEST_F(Controls, PerSquareArraysHoldExactlyTheirSquares)
{
    const std::vector<int> ownable{1, 3, 5, 6, 8, 9, 11, 12, 13, 14, 15, 16, 18, 19,
                                   21, 23, 24, 25, 26, 27, 28, 29, 31, 32, 34, 35, 37, 39};
    const auto spot = [this](int n) { return picture("imgSquare", n); };
    const auto bar = [this](int n) { return shape("shpOwner", n); };
    EXPECT_EQ(controlIndexes(*form, "imgSquare").size(), 40u);
    EXPECT_EQ(controlIndexes(*form, "imgStats").size(), 40u);
    EXPECT_EQ(controlIndexes(*form, "imgInfo"), ownable);
    std::vector<int> barred = ownable;
    barred.insert(std::find(barred.begin(), barred.end(), 18), 17);
    EXPECT_EQ(controlIndexes(*form, "shpOwner"), barred) << "29 bars: the ownable squares and 17";
    for (int player = 0; player < 4; ++player)
        EXPECT_EQ(controlIndexes(*form, QStringLiteral("imgMini%1").arg(player)), ownable) << player;
    for (int n = 0; n < 40; ++n) {
        EXPECT_EQ(spot(n)->size(), twipRect(0, 0, 660, 450).size()) << n;
        EXPECT_TRUE(spot(n)->picture().isNull()) << n;
        if (hasControl(*form, "shpOwner", n)) {
            EXPECT_TRUE(bar(n)->isHidden()) << n;
        }
    }
    // A sample of the places, one per side.
    EXPECT_EQ(spot(0)->pos(), twipRect(9705, 9720, 0, 0).topLeft());
    EXPECT_EQ(spot(13)->pos(), twipRect(345, 7095, 0, 0).topLeft());
    EXPECT_EQ(spot(27)->pos(), twipRect(6990, 435, 0, 0).topLeft());
    EXPECT_EQ(spot(38)->pos(), twipRect(10005, 8055, 0, 0).topLeft());
    EXPECT_EQ(bar(1)->geometry(), twipRect(8775, 10815, 780, 120));
    EXPECT_EQ(bar(15)->geometry(), twipRect(90, 5145, 120, 780));
    EXPECT_EQ(bar(28)->geometry(), twipRect(7860, 60, 780, 120));
    EXPECT_EQ(bar(39)->geometry(), twipRect(10800, 8790, 120, 780));
    EXPECT_EQ(picture("imgStats", 0)->geometry(), twipRect(10665, 10665, 210, 210));
    EXPECT_EQ(picture("imgStats", 33)->geometry(), twipRect(9375, 3660, 210, 210));
    EXPECT_EQ(picture("imgInfo", 18)->geometry(), twipRect(1425, 2550, 210, 210));
    EXPECT_EQ(picture("imgInfo", 24)->geometry(), twipRect(4605, 1440, 210, 210));
}

TEST_F(Controls, PlayerColumnPanelsAndMinis)
{
    const auto *column = frame("frmPlayers");
    EXPECT_EQ(column->caption(), "Players");
    EXPECT_EQ(column->geometry(), twipRect(11475, 285, 3375, 6270));
    const int tops[] = {360, 1860, 3345, 4845};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frame("frmPlayerInfo", i)->parentWidget(), column);
        EXPECT_EQ(frame("frmPlayerInfo", i)->geometry(), twipRect(240, tops[i], 2910, 1305)) << i;
        EXPECT_EQ(label("lblPlayerInfoMoney", i)->pos(), twipRect(135, 315, 0, 0).topLeft()) << i;
        EXPECT_EQ(shape("shpPlayerInfo", i)->geometry(), twipRect(90, 675, 705, 510)) << i;
        EXPECT_EQ(picture("imgPlayerInfoType", i)->geometry(), twipRect(2535, 30, 300, 375)) << i;
        const auto *piece = picture("imgPlayerInfoPiece", i);
        EXPECT_EQ(piece->geometry(), twipRect(i == 2 ? 120 : 105, 705, 660, 450)) << i;
        EXPECT_TRUE(piece->picture().isNull()) << i;
    }
    // Streets fanned by group; stations in a row; the two utilities.
    EXPECT_EQ(mini(0, 1)->geometry(), twipRect(1065, 645, 120, 150));
    EXPECT_EQ(mini(1, 3)->geometry(), twipRect(1065, 720, 120, 150));
    EXPECT_EQ(mini(2, 34)->geometry(), twipRect(1065 + 150 * 6, 795, 120, 150));
    EXPECT_EQ(mini(3, 25)->geometry(), twipRect(1935, 1020, 390, 150));
    EXPECT_EQ(mini(0, 12)->geometry(), twipRect(2295, 660, 195, 225));
    EXPECT_EQ(mini(0, 28)->geometry(), twipRect(2505, 690, 225, 180));
    EXPECT_EQ(mini(0, 28)->picture(), picture("imgMiniWaterEmpty")->picture());
    EXPECT_EQ(mini(1, 15)->picture(), picture("imgMiniStationEmpty")->picture());
    EXPECT_FALSE(mini(0, 1)->picture().isNull());
}

TEST_F(Controls, MiddleOfTheBoardInItsFirstState)
{
    struct Button {
        const char *name;
        const char *caption;
        QRect place;
        bool enabled;
    };
    for (const Button &b : {Button{"cmdRoll", "Roll Dice", twipRect(4890, 8625, 1170, 360), true},
                            Button{"cmdBuild", "Build", twipRect(2370, 8648, 1150, 315), false},
                            Button{"cmdSell", "Sell Buildings", twipRect(3630, 8648, 1150, 315), false},
                            Button{"cmdMorgage", "Morgage", twipRect(6165, 8648, 1150, 315), true},
                            Button{"cmdUnmorgage", "Unmorgage", twipRect(7425, 8648, 1150, 315), false}}) {
        const auto *cmd = button(b.name);
        EXPECT_EQ(cmd->text(), b.caption);
        EXPECT_EQ(cmd->geometry(), b.place) << b.caption;
        EXPECT_EQ(cmd->isEnabled(), b.enabled) << b.caption;
    }
    EXPECT_TRUE(button("cmdRoll")->font().bold());
    EXPECT_EQ(frame("Frame1")->geometry(), twipRect(4725, 7545, 1455, 855));
    EXPECT_EQ(label("lblDiceRoll")->text(), "");
    EXPECT_TRUE(label("lblStatus")->isHidden());
    const auto *currentPlayer = label("lblCurrentPlayer");
    EXPECT_EQ(currentPlayer->text(), "Current Player:");
    EXPECT_EQ(currentPlayer->pos(), twipRect(4080, 6165, 0, 0).topLeft());
    EXPECT_EQ(label("lblCurrentPlayerName")->pos(), twipRect(5935, 6195, 0, 0).topLeft());
    const auto *deed = frame("frmProperty");
    const auto *stats = frame("frmStats");
    const auto *card = picture("imgCard");
    EXPECT_TRUE(deed->isHidden());
    EXPECT_TRUE(stats->isHidden());
    EXPECT_TRUE(card->isHidden());
    EXPECT_EQ(deed->geometry(), twipRect(11655, 6600, 3090, 3930));
    EXPECT_EQ(stats->geometry(), twipRect(11640, 6600, 3090, 3930));
    EXPECT_EQ(card->geometry(), twipRect(11085, 7755, 4125, 2100));
    EXPECT_EQ(label("lblStatsTitle")->text(), "Stats");
    EXPECT_EQ(label("lblDescMorgage")->text(), "Morgage Value:");
    EXPECT_EQ(label("lblStatsDescAverage")->text(), "Average Payment:");
    for (int pip = 0; pip <= 6; ++pip) {
        EXPECT_EQ(shape("shpDice1Dot", pip)->fillStyle(), Shape::FillStyle::Transparent);
        EXPECT_EQ(shape("shpDice2Dot", pip)->kind(), Shape::Kind::Circle);
    }
    EXPECT_EQ(shape("shpDice1")->kind(), Shape::Kind::RoundedRectangle);
    EXPECT_EQ(shape("shpDice2")->geometry(), twipRect(825, 240, 465, 450));
}

TEST_F(Controls, TheEnginesTimersAndTheirIntervals)
{
    ManualClock clock;
    NullScreen nothing;
    RecordingLog log;
    struct NoDice : DiceSource {
        int throwDie() override { return 1; }
    } dice;
    Engine engine(state, nothing, clock, log, dice);
    EXPECT_EQ(engine.tmrMovePiece().interval(), 500);
    EXPECT_EQ(engine.tmrPause().interval(), 1800);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
    EXPECT_FALSE(engine.tmrPause().enabled());
}

TEST_F(Controls, CardsComeWithTheirHotSpotsAndGoOnTheBackground)
{
    auto *deed = frame("frmProperty");
    auto *stats = frame("frmStats");
    const auto *where = label("lblWhere");
    form->show();
    // Before a deed card was ever shown the background leaves it alone.
    deed->show();
    form->Form_MouseMove();
    EXPECT_TRUE(deed->isVisible());
    deed->hide();

    form->imgInfo_MouseMove(39);
    EXPECT_TRUE(deed->isVisible());
    EXPECT_TRUE(form->propertyShown());
    EXPECT_EQ(where->text(), "Mayfair");
    form->imgStats_MouseMove(1);
    EXPECT_TRUE(stats->isVisible());
    EXPECT_TRUE(deed->isVisible()) << "both cards stay, one over the other";

    form->frmPlayerInfo_MouseMove(0);
    EXPECT_FALSE(deed->isVisible());
    EXPECT_TRUE(stats->isVisible()) << "a panel hides only the deed card";

    form->imgMini_MouseMove(2, 6);
    EXPECT_TRUE(deed->isVisible());
    EXPECT_EQ(where->text(), "The Angel Islington");
    form->Form_MouseMove();
    EXPECT_FALSE(deed->isVisible());
    EXPECT_FALSE(stats->isVisible());
}

TEST_F(Controls, TheMouseReachesTheHandlersThroughTheControls)
{
    const auto *deed = frame("frmProperty");
    const auto *stats = frame("frmStats");
    form->show();
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture("imgInfo", 24), &over);
    EXPECT_TRUE(deed->isVisible());
    EXPECT_EQ(label("lblWhere")->text(), "Trafalgar Square");
    QCoreApplication::sendEvent(picture("imgStats", 24), &over);
    EXPECT_TRUE(stats->isVisible());
    QCoreApplication::sendEvent(form.get(), &over);
    EXPECT_FALSE(stats->isVisible());
    EXPECT_FALSE(deed->isVisible());
}

TEST_F(Controls, ButtonsWithoutActionsDoNothingHarmful)
{
    form->show();
    button("cmdSell")->click();
    button("cmdUnmorgage")->click();
    button("cmdBuild")->click();
    button("cmdRoll")->click();      // no engine attached yet: nothing happens
    button("cmdMorgage")->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(button("cmdSell")->isEnabled());
    EXPECT_FALSE(button("cmdUnmorgage")->isEnabled());
}

} // namespace
} // namespace tycora::testing

namespace tycora::testing {
namespace {

TEST_F(Controls, TheWindowOpensCentredWithAFixedSizeAndNoMaximiseButton)
{
    form->show();
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(form->minimumSize(), QSize(1023, 727));
    EXPECT_EQ(form->maximumSize(), QSize(1023, 727));

    // Centred along each direction the screen has room in; where it has
    // not, the window starts at the screen's edge, title bar in reach.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect window = form->frameGeometry();
    const auto expectPlaced = [](int start, int length, int areaStart, int areaLength, const char *direction) {
        if (length <= areaLength)
            EXPECT_LE(std::abs((start + length / 2) - (areaStart + areaLength / 2)), 1) << direction;
        else
            EXPECT_EQ(start, areaStart) << direction;
    };
    expectPlaced(window.left(), window.width(), area.left(), area.width(), "across");
    expectPlaced(window.top(), window.height(), area.top(), area.height(), "down");
}

} // namespace
} // namespace tycora::testing
