// The Free Parking pot on the board: in the free room above the logo, clear
// of every control. How it follows a game is tested through the program
// (tests/app/game_choices_test.cpp).

#include "main_window_support.h"

#include "shell/shell_test_support.h"

namespace tycora::testing {
namespace {

using FreeParkingPot = MainWindowTest;

TEST_F(FreeParkingPot, StandsAboveTheLogoClearOfEveryOtherControl)
{
    form->show();
    ui::Label *pot = label("lblFreeParking");
    EXPECT_FALSE(pot->isVisible()) << "until the engine shows a pot";

    for (const int amount : {0, 350, 12345}) {
        screen().showFreeParking(amount);
        EXPECT_TRUE(pot->isVisible());
        EXPECT_EQ(pot->text(), QStringLiteral("Free Parking £%1").arg(amount));
        EXPECT_NEAR(ui::leftTwips(pot) + ui::widthTwips(pot) / 2, 5580, 15) << "centred as the status line is";
        const QRect at = pot->geometry();
        EXPECT_LE(pot->fontMetrics().horizontalAdvance(pot->text()), at.width());
        // Every control of the window, shown or not, lies elsewhere: the
        // board's squares and signs, the logo, the turn display, the dice,
        // the buttons, the pieces, buildings and cards.
        for (const QWidget *other : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != pot && !other->isWindow()) {
                EXPECT_FALSE(at.intersects(other->geometry())) << other->objectName().toStdString();
            }
        }
    }
    // Its words are drawn on the board's green.
    const QImage shot = grabImage(*form);
    const QRect at = pot->geometry();
    int dark = 0;
    for (int x = at.left(); x <= at.right(); ++x)
        dark += pixelAt(shot, x, at.center().y()).lightness() < 80 ? 1 : 0;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(pixelAt(shot, at.left() - 2, at.center().y()), ui::boardGreen());
}

} // namespace
} // namespace tycora::testing
