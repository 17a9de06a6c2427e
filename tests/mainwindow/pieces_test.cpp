// Every piece on a square stays in sight, each on a disc in its player's
// colours, also when it shares the square.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/player_colours.h"

namespace tycora::testing {
namespace {

class Pieces : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPlayer("Cleo", "Shoe", 3, Computer);   // Yellow
        screen().setupPlayerPanels();
        form->show();
    }

    // The player's rim colour covers a good few pixels of the square's piece place.
    bool shows(int square, int player)
    {
        const QColor rim = ui::strongColour(state.Players[player].Colour);
        const QImage shot = grabImage(*form);
        const QRect place = picture("imgSquare", square)->geometry();
        int count = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                count += pixelAt(shot, x, y) == rim ? 1 : 0;
        return count >= 8;
    }
};

TEST_F(Pieces, OneTwoAndThreePiecesOnASquareAreAllDrawnInTheirColours)
{
    for (int player = 0; player < 3; ++player)
        ASSERT_FALSE(shows(3, player)) << "the bare tile has none of the rims";
    movePiece(0, 3);
    EXPECT_TRUE(shows(3, 0)) << "a piece alone stands on its disc";
    movePiece(2, 3);
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 2));
    movePiece(1, 3);
    screen().pieceMoved(0, 3);   // drawn again where it stands
    for (int player = 0; player < 3; ++player)
        EXPECT_TRUE(shows(3, player)) << player;
    EXPECT_EQ(picture("imgSquare", 3)->picture(), picture("imgPlayerInfoPiece", 1)->picture()) << "the last to come in front";

    for (int player = 0; player < 3; ++player)
        movePiece(player, 5);
    for (int player = 0; player < 3; ++player)
        EXPECT_FALSE(shows(3, player));
    screen().pieceMoved(0, 40);   // out of range: nothing drawn, nothing broken
    screen().pieceMoved(4, 3);
    EXPECT_TRUE(picture("imgSquare", 3)->picture().isNull());
}

TEST_F(Pieces, APieceLeavingASharedSquareLeavesTheOtherDrawn)
{
    movePiece(0, 3);
    movePiece(1, 3);
    movePiece(0, 4);
    EXPECT_TRUE(shows(4, 0));
    EXPECT_TRUE(shows(3, 1)) << "Ben stays in sight";
    EXPECT_FALSE(shows(3, 0));
}

} // namespace
} // namespace tycora::testing
