// The main window as it is loaded: every control at its place and size,
// in its first state, and the mouse-move rules of the two cards.

#include "main_window_support.h"

#include "game/engine.h"
#include "game/manual_clock.h"
#include "game/null_screen.h"
#include "tests/support/recording_log.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace tycora::testing {
namespace {

using ui::Shape;

class Controls : public MainWindowTest {};

TEST_F(Controls, WindowCaptionSizeAndColours)
{
    EXPECT_EQ(form->windowTitle(), "Tycora by Varnoth");
    form->show();
    EXPECT_EQ(form->size(), QSize(1023, 738));
    EXPECT_EQ(form->findChild<QMenuBar *>(), nullptr) << "no menu bar is shown";
    ASSERT_NE(form->mnugame, nullptr);
    EXPECT_EQ(form->mnugame->title(), "&Game");
    EXPECT_EQ(form->mnugamenew->text(), "&New");
    EXPECT_EQ(form->mnugamesave->text(), "&Save");
    EXPECT_EQ(form->mnugameload->text(), "&Load");
    EXPECT_FALSE(form->mnugame->isVisible());
}

TEST_F(Controls, BoardTilesFollowTheMosaicRule)
{
    EXPECT_EQ(form->imgBoard.count(), 40);
    EXPECT_EQ(form->imgBoard(0)->geometry(), twipRect(9615, 9630, 1155, 1155));
    EXPECT_EQ(form->imgBoard(1)->geometry(), twipRect(9615 - 915, 9630, 930, 1155));
    EXPECT_EQ(form->imgBoard(9)->geometry(), twipRect(9615 - 915 * 9, 9630, 930, 1155));
    EXPECT_EQ(form->imgBoard(10)->geometry(), twipRect(240, 9630, 1155, 1155));
    EXPECT_EQ(form->imgBoard(14)->geometry(), twipRect(240, 9630 - 915 * 4, 1155, 930));
    EXPECT_EQ(form->imgBoard(20)->geometry(), twipRect(240, 255, 1155, 1155));
    EXPECT_EQ(form->imgBoard(25)->geometry(), twipRect(1380 + 915 * 4, 255, 930, 1155));
    EXPECT_EQ(form->imgBoard(30)->geometry(), twipRect(9615, 255, 1155, 1155));
    EXPECT_EQ(form->imgBoard(39)->geometry(), twipRect(9615, 1395 + 915 * 8, 1155, 930));
    EXPECT_EQ(form->Image6->geometry(), twipRect(2220, 4080, 6495, 1980));
    form->imgBoard.forEach([](int n, ui::Picture *tile) { EXPECT_FALSE(tile->picture().isNull()) << n; });
}

TEST_F(Controls, PerSquareArraysHoldExactlyTheirSquares)
{
    const std::vector<int> ownable{1, 3, 5, 6, 8, 9, 11, 12, 13, 14, 15, 16, 18, 19,
                                   21, 23, 24, 25, 26, 27, 28, 29, 31, 32, 34, 35, 37, 39};
    EXPECT_EQ(form->imgSquare.count(), 40);
    EXPECT_EQ(form->imgStats.count(), 40);
    EXPECT_EQ(form->imgInfo.count(), 28);
    EXPECT_EQ(form->shpOwner.count(), 29);
    for (int n = 0; n < 40; ++n) {
        const bool owns = std::find(ownable.begin(), ownable.end(), n) != ownable.end();
        EXPECT_EQ(form->imgInfo(n) != nullptr, owns) << n;
        EXPECT_EQ(form->shpOwner(n) != nullptr, owns || n == 17) << n;
        for (int player = 0; player < 4; ++player)
            EXPECT_EQ(form->imgMini(player)(n) != nullptr, owns) << n;
        EXPECT_EQ(form->imgSquare(n)->size(), twipRect(0, 0, 660, 450).size()) << n;
        EXPECT_TRUE(form->imgSquare(n)->picture().isNull()) << n;
        if (ui::Shape *bar = form->shpOwner(n)) {
            EXPECT_TRUE(bar->isHidden()) << n;
        }
    }
    // A sample of the places, one per side.
    EXPECT_EQ(form->imgSquare(0)->pos(), twipRect(9705, 9720, 0, 0).topLeft());
    EXPECT_EQ(form->imgSquare(13)->pos(), twipRect(345, 7095, 0, 0).topLeft());
    EXPECT_EQ(form->imgSquare(27)->pos(), twipRect(6990, 435, 0, 0).topLeft());
    EXPECT_EQ(form->imgSquare(38)->pos(), twipRect(10005, 8055, 0, 0).topLeft());
    EXPECT_EQ(form->shpOwner(1)->geometry(), twipRect(8775, 10815, 780, 120));
    EXPECT_EQ(form->shpOwner(15)->geometry(), twipRect(90, 5145, 120, 780));
    EXPECT_EQ(form->shpOwner(28)->geometry(), twipRect(7860, 60, 780, 120));
    EXPECT_EQ(form->shpOwner(39)->geometry(), twipRect(10800, 8790, 120, 780));
    EXPECT_EQ(form->imgStats(0)->geometry(), twipRect(10665, 10665, 210, 210));
    EXPECT_EQ(form->imgStats(33)->geometry(), twipRect(9375, 3660, 210, 210));
    EXPECT_EQ(form->imgInfo(18)->geometry(), twipRect(1425, 2550, 210, 210));
    EXPECT_EQ(form->imgInfo(24)->geometry(), twipRect(4605, 1440, 210, 210));
}

TEST_F(Controls, PlayerColumnPanelsAndMinis)
{
    EXPECT_EQ(form->frmPlayers->caption(), "Players");
    EXPECT_EQ(form->frmPlayers->geometry(), twipRect(11475, 285, 3375, 6270));
    const int tops[] = {360, 1860, 3345, 4845};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->frmPlayerInfo(i)->parentWidget(), form->frmPlayers);
        EXPECT_EQ(form->frmPlayerInfo(i)->geometry(), twipRect(240, tops[i], 2910, 1305)) << i;
        EXPECT_EQ(form->lblPlayerInfoMoney(i)->pos(), twipRect(135, 315, 0, 0).topLeft()) << i;
        EXPECT_EQ(form->shpPlayerInfo(i)->geometry(), twipRect(90, 675, 705, 510)) << i;
        EXPECT_EQ(form->imgPlayerInfoType(i)->geometry(), twipRect(2535, 30, 300, 375)) << i;
        EXPECT_EQ(form->imgPlayerInfoPiece(i)->geometry(), twipRect(i == 2 ? 120 : 105, 705, 660, 450)) << i;
        EXPECT_TRUE(form->imgPlayerInfoPiece(i)->picture().isNull()) << i;
    }
    // Streets fanned by group; stations in a row; the two utilities.
    EXPECT_EQ(form->imgMini0(1)->geometry(), twipRect(1065, 645, 120, 150));
    EXPECT_EQ(form->imgMini1(3)->geometry(), twipRect(1065, 720, 120, 150));
    EXPECT_EQ(form->imgMini2(34)->geometry(), twipRect(1065 + 150 * 6, 795, 120, 150));
    EXPECT_EQ(form->imgMini3(25)->geometry(), twipRect(1935, 1020, 390, 150));
    EXPECT_EQ(form->imgMini0(12)->geometry(), twipRect(2295, 660, 195, 225));
    EXPECT_EQ(form->imgMini0(28)->geometry(), twipRect(2505, 690, 225, 180));
    EXPECT_EQ(form->imgMini0(28)->picture(), form->imgMiniWaterEmpty->picture());
    EXPECT_EQ(form->imgMini1(15)->picture(), form->imgMiniStationEmpty->picture());
    EXPECT_FALSE(form->imgMini0(1)->picture().isNull());
}

TEST_F(Controls, MiddleOfTheBoardInItsFirstState)
{
    struct Button {
        ui::CommandButton *button;
        const char *caption;
        QRect place;
        bool enabled;
    };
    for (const Button &b : {Button{form->cmdRoll, "Roll Dice", twipRect(4890, 8625, 1170, 360), true},
                            Button{form->cmdBuild, "Build", twipRect(2370, 8648, 1150, 315), false},
                            Button{form->cmdSell, "Sell Buildings", twipRect(3630, 8648, 1150, 315), false},
                            Button{form->cmdMorgage, "Morgage", twipRect(6165, 8648, 1150, 315), true},
                            Button{form->cmdUnmorgage, "Unmorgage", twipRect(7425, 8648, 1150, 315), false}}) {
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->geometry(), b.place) << b.caption;
        EXPECT_EQ(b.button->isEnabled(), b.enabled) << b.caption;
    }
    EXPECT_TRUE(form->cmdRoll->font().bold());
    EXPECT_EQ(form->Frame1->geometry(), twipRect(4725, 7545, 1455, 855));
    EXPECT_EQ(form->lblDiceRoll->text(), "");
    EXPECT_TRUE(form->lblStatus->isHidden());
    EXPECT_EQ(form->lblCurrentPlayer->text(), "Current Player:");
    EXPECT_EQ(form->lblCurrentPlayer->pos(), twipRect(4080, 6165, 0, 0).topLeft());
    EXPECT_EQ(form->lblCurrentPlayerName->pos(), twipRect(5935, 6195, 0, 0).topLeft());
    EXPECT_TRUE(form->frmProperty->isHidden());
    EXPECT_TRUE(form->frmStats->isHidden());
    EXPECT_TRUE(form->imgCard->isHidden());
    EXPECT_EQ(form->frmProperty->geometry(), twipRect(11655, 6795, 3090, 3930));
    EXPECT_EQ(form->frmStats->geometry(), twipRect(11640, 6795, 3090, 3930));
    EXPECT_EQ(form->imgCard->geometry(), twipRect(11085, 7755, 4125, 2100));
    EXPECT_EQ(form->lblStatsTitle->text(), "Stats");
    EXPECT_EQ(form->lblDescMorgage->text(), "Morgage Value:");
    EXPECT_EQ(form->lblStatsDescAverage->text(), "Average Payment:");
    for (int pip = 0; pip <= 6; ++pip) {
        EXPECT_EQ(form->shpDice1Dot(pip)->fillStyle(), Shape::FillStyle::Transparent);
        EXPECT_EQ(form->shpDice2Dot(pip)->kind(), Shape::Kind::Circle);
    }
    EXPECT_EQ(form->shpDice1->kind(), Shape::Kind::RoundedRectangle);
    EXPECT_EQ(form->shpDice2->geometry(), twipRect(825, 240, 465, 450));
}

TEST_F(Controls, TheThreeTimersAndTheirIntervals)
{
    ManualClock clock;
    NullScreen nothing;
    RecordingLog log;
    struct NoDice : DiceSource {
        int throwDie() override { return 1; }
    } dice;
    Engine engine(state, nothing, clock, log, dice);
    EXPECT_EQ(engine.tmrMovePiece.interval(), 500);
    EXPECT_EQ(engine.tmrMoneyDown.interval(), 100);
    EXPECT_EQ(engine.tmrPause.interval(), 1800);
    EXPECT_FALSE(engine.tmrMovePiece.enabled());
    EXPECT_FALSE(engine.tmrMoneyDown.enabled());
    EXPECT_FALSE(engine.tmrPause.enabled());
}

TEST_F(Controls, CardsComeWithTheirHotSpotsAndGoOnTheBackground)
{
    form->show();
    // Before a deed card was ever shown the background leaves it alone.
    form->frmProperty->show();
    form->Form_MouseMove();
    EXPECT_TRUE(form->frmProperty->isVisible());
    form->frmProperty->hide();

    form->imgInfo_MouseMove(39);
    EXPECT_TRUE(form->frmProperty->isVisible());
    EXPECT_TRUE(form->booPropertyShown);
    EXPECT_EQ(form->lblWhere->text(), "Mayfair");
    form->imgStats_MouseMove(1);
    EXPECT_TRUE(form->frmStats->isVisible());
    EXPECT_TRUE(form->frmProperty->isVisible()) << "both cards stay, one over the other";

    form->frmPlayerInfo_MouseMove(0);
    EXPECT_FALSE(form->frmProperty->isVisible());
    EXPECT_TRUE(form->frmStats->isVisible()) << "a panel hides only the deed card";

    form->imgMini_MouseMove(2, 6);
    EXPECT_TRUE(form->frmProperty->isVisible());
    EXPECT_EQ(form->lblWhere->text(), "The Angel Islington");
    form->Form_MouseMove();
    EXPECT_FALSE(form->frmProperty->isVisible());
    EXPECT_FALSE(form->frmStats->isVisible());
}

TEST_F(Controls, TheMouseReachesTheHandlersThroughTheControls)
{
    form->show();
    QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form->imgInfo(24), &over);
    EXPECT_TRUE(form->frmProperty->isVisible());
    EXPECT_EQ(form->lblWhere->text(), "Trafalgar Square");
    QCoreApplication::sendEvent(form->imgStats(24), &over);
    EXPECT_TRUE(form->frmStats->isVisible());
    QCoreApplication::sendEvent(form.get(), &over);
    EXPECT_FALSE(form->frmStats->isVisible());
    EXPECT_FALSE(form->frmProperty->isVisible());
}

TEST_F(Controls, ButtonsWithoutActionsDoNothingHarmful)
{
    form->show();
    form->cmdSell->click();
    form->cmdUnmorgage->click();
    form->cmdBuild->click();
    form->cmdRoll->click();      // no engine attached yet: nothing happens
    form->cmdMorgage->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(form->cmdSell->isEnabled());
    EXPECT_FALSE(form->cmdUnmorgage->isEnabled());
}

} // namespace
} // namespace tycora::testing
