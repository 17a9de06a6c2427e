// Yellow and Orange owner bars and panel frames keep their fill and rim and
// get a darker line around them on the pale green board; other colours look
// as they always have.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/colour_outline.h"
#include "ui/main/player_colours.h"

namespace tycora::testing {
namespace {

TEST_F(MainWindowTest, YellowAndOrangeBarsAndFramesAreOutlinedOutsideTheirOwnRim)
{
    addPlayer("Cleo", "Shoe", 3, Computer);   // Yellow
    addPlayer("Dan", "Dog ", 4, Human);       // Orange
    screen().setupPlayerPanels();
    form->show();
    const struct {
        int player, square;
    } bars[] = {{0, 39}, {2, 1}, {3, 11}, {2, 24}};
    for (const auto &b : bars)
        own(b.player, b.square);
    // The rim and the pixel just outside a shape, half way down, as seen.
    const auto expectLook = [this](const QWidget &shape, long colour) {
        const QImage shot = grabImage(*form);
        const QPoint at = shape.mapTo(form.get(), QPoint(0, shape.height() / 2));
        EXPECT_EQ(pixelAt(shot, at.x(), at.y()), ui::strongColour(colour)) << colour;
        const QColor outline = colour == 3 ? QColor(120, 120, 0) : colour == 4 ? QColor(159, 80, 0) : ui::boardGreen();
        EXPECT_EQ(pixelAt(shot, at.x() - 1, at.y()), outline) << colour;
    };
    for (const auto &b : bars) {
        expectLook(*shape("shpOwner", b.square), state.Players[b.player].Colour);
        EXPECT_EQ(shape("shpOwner", b.square)->fillColour(), ui::lightColour(state.Players[b.player].Colour));
    }
    for (int slot = 0; slot < 4; ++slot)
        expectLook(*shape("shpPlayerInfo", slot), state.Players[slot].Colour);

    // A bar taken away takes its line along; a new owner's colour decides anew.
    shape("shpOwner", 24)->hide();
    const QPoint outside = shape("shpOwner", 24)->geometry().topLeft() + QPoint(-1, 4);
    EXPECT_EQ(pixelAt(grabImage(*form), outside.x(), outside.y()), ui::boardGreen());
    own(0, 24);
    expectLook(*shape("shpOwner", 24), 0);
}

} // namespace
} // namespace tycora::testing
