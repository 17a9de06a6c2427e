// Yellow and Orange owner bars and panel frames keep their fill and rim and
// get a darker line around them, so they stand out from the pale green
// board; the other colours look as they always have.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/colour_outline.h"
#include "ui/main/player_colours.h"

namespace tycora::testing {
namespace {

class PaleColours : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPlayer("Cleo", "Shoe", 3, Computer);   // Yellow
        addPlayer("Dan", "Dog ", 4, Human);       // Orange
        screen().setupPlayerPanels();
        screen().layoutPlayerPanels();
        form->show();
    }

    // What a grab shows inside a shape, on its rim, and one pixel outside it.
    struct Look {
        QColor inside, rim, around;
    };
    Look lookOf(const QWidget &shape)
    {
        const QImage shot = grabImage(*form);
        const QPoint topLeft = shape.mapTo(form.get(), QPoint(0, 0));
        const int middle = topLeft.y() + shape.height() / 2;
        return {pixelAt(shot, topLeft.x() + shape.width() / 2, middle), pixelAt(shot, topLeft.x(), middle),
                pixelAt(shot, topLeft.x() - 1, middle)};
    }
};

TEST_F(PaleColours, YellowAndOrangeAloneAreOutlinedOutsideTheirOwnRim)
{
    EXPECT_FALSE(ui::outlineColour(0).isValid());
    EXPECT_EQ(ui::outlineColour(3), QColor(120, 120, 0));
    EXPECT_EQ(ui::outlineColour(4), QColor(159, 80, 0));

    // Owner bars on each side of the board: Ann (Red), Cleo (Yellow), Dan (Orange).
    const struct {
        int player, square;
    } bars[] = {{0, 39}, {2, 1}, {3, 11}, {2, 24}, {3, 37}};
    for (const auto &b : bars)
        screen().markOwner(b.player, b.square);
    for (const auto &b : bars) {
        const long colour = state.Players[b.player].Colour;
        const Look look = lookOf(*shape("shpOwner", b.square));
        EXPECT_EQ(look.inside, ui::lightColour(colour)) << b.square;
        EXPECT_EQ(look.rim, ui::strongColour(colour)) << b.square;
        if (ui::outlineColour(colour).isValid())
            EXPECT_EQ(look.around, ui::outlineColour(colour)) << b.square;
        else
            EXPECT_EQ(look.around, ui::boardGreen()) << b.square;
    }

    for (int slot = 0; slot < 4; ++slot) {
        const long colour = state.Players[slot].Colour;
        const Look look = lookOf(*shape("shpPlayerInfo", slot));
        EXPECT_EQ(look.rim, ui::strongColour(colour)) << slot;
        if (ui::outlineColour(colour).isValid())
            EXPECT_EQ(look.around, ui::outlineColour(colour)) << slot;
        else
            EXPECT_EQ(look.around, ui::boardGreen()) << slot;
    }
}

TEST_F(PaleColours, TheOutlineGoesWithItsBar)
{
    screen().markOwner(2, 24);
    shape("shpOwner", 24)->hide();
    EXPECT_EQ(lookOf(*shape("shpOwner", 24)).around, ui::boardGreen()) << "a bar taken away takes its line along";
    // A new owner in a colour without a line leaves none behind.
    screen().markOwner(0, 24);
    EXPECT_EQ(lookOf(*shape("shpOwner", 24)).around, ui::boardGreen());
}

} // namespace
} // namespace tycora::testing
