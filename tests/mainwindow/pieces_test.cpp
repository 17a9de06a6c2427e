// Every piece on a square stays in sight: each stands on a disc in its
// player's colours, fanned within the square's piece place when several
// share it.

#include "main_window_support.h"

#include "game/dice.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "shell/shell_test_support.h"
#include "tests/support/recording_log.h"
#include "ui/main/piece_spot.h"
#include "ui/main/player_colours.h"

#include <QImage>

namespace tycora::testing {
namespace {

class Pieces : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        addPlayer("Cleo", "Shoe", 3, Computer);   // Yellow
        addPlayer("Dan", "Dog ", 4, Human);       // Orange
        screen().setupPlayerPanels();
        form->show();
    }

    // How many pixels of a square's piece place show a player's rim colour.
    int rimPixels(int square, int player)
    {
        const QColor rim = ui::strongColour(state.Players[player].Colour);
        const QImage shot = grabImage(*form);
        const QRect place = picture("imgSquare", square)->geometry();
        int count = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                count += pixelAt(shot, x, y) == rim ? 1 : 0;
        return count;
    }
    bool shows(int square, int player) { return rimPixels(square, player) >= 8; }
};

TEST(PieceCells, OneFillsThePlaceSeveralShareItInsideIt)
{
    const QSizeF place(44, 30);
    EXPECT_TRUE(ui::pieceCells(0, place).empty());
    EXPECT_EQ(ui::pieceCells(1, place), std::vector<QRectF>{QRectF(0, 0, 44, 30)});
    for (int count = 2; count <= 4; ++count) {
        const std::vector<QRectF> cells = ui::pieceCells(count, place);
        ASSERT_EQ(cells.size(), std::size_t(count));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(QRectF(QPointF(0, 0), place).contains(cells[i])) << count << " " << i;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_NE(cells[i].topLeft(), cells[j].topLeft()) << "each piece has a place of its own";
        }
    }
}

TEST_F(Pieces, OneTwoAndThreePiecesOnASquareAreAllDrawnInTheirColours)
{
    for (int player = 0; player < 4; ++player)
        ASSERT_FALSE(shows(3, player)) << "the bare tile has none of the rims";

    screen().drawPiece(3, 0);
    EXPECT_TRUE(shows(3, 0)) << "a piece alone stands on its disc";

    screen().drawPiece(3, 2);
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 2)) << "Yellow";

    screen().drawPiece(3, 3);
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 2));
    EXPECT_TRUE(shows(3, 3)) << "Orange";
    EXPECT_FALSE(shows(3, 1)) << "Ben is not there";
    EXPECT_EQ(picture("imgSquare", 3)->picture(), picture("imgPlayerInfoPiece", 3)->picture())
        << "the last to come stands in front";

    // Drawn again where it stands, a piece keeps its place in the fan.
    screen().drawPiece(3, 0);
    EXPECT_EQ(picture("imgSquare", 3)->picture(), picture("imgPlayerInfoPiece", 3)->picture());

    screen().clearSquare(3);
    for (int player = 0; player < 4; ++player)
        EXPECT_FALSE(shows(3, player));
    // Squares and players out of range draw nothing and crash nothing.
    screen().drawPiece(40, 0);
    screen().drawPiece(-1, 0);
    screen().drawPiece(3, 4);
    screen().clearSquare(40);
    EXPECT_TRUE(picture("imgSquare", 3)->picture().isNull());
}

TEST_F(Pieces, APieceLeavingASharedSquareLeavesTheOtherDrawn)
{
    // The engine's own calls: Ann stops on Whitechapel Road and declines it,
    // Ben joins her there and buys it, then Ann walks on to Pentonville Road.
    state.PlayerCount = 2;
    ManualClock clock;
    RecordingLog log;
    struct NoFallback : DiceSource {
        int throwDie() override { return 1; }
    } fallback;
    ScriptedDice dice(fallback);
    for (int die : {1, 2, 1, 2, 2, 3})
        dice.push(die);
    Engine engine(state, screen(), clock, log, dice);
    engine.startGame();
    const auto runUntilThrow = [&] {
        for (int tick = 0; tick < 1000 && engine.phase() != Engine::Phase::ToThrow; ++tick)
            clock.advanceToNextTick();
    };
    engine.rollDice(0);
    runUntilThrow();
    for (int tick = 0; tick < 1000 && state.Players[1].Square != 3; ++tick)
        clock.advanceToNextTick();
    runUntilThrow();
    ASSERT_EQ(state.Players[0].Square, 3);
    ASSERT_EQ(state.Players[1].Square, 3);
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 1));

    ASSERT_EQ(state.CurrentPlayer, 0);
    engine.rollDice(0);
    clock.advanceToNextTick();   // the first step off the square
    EXPECT_EQ(state.Players[0].Square, 4);
    EXPECT_TRUE(shows(4, 0));
    EXPECT_TRUE(shows(3, 1)) << "Ben stays in sight";
    EXPECT_FALSE(shows(3, 0));
    runUntilThrow();
    EXPECT_TRUE(shows(8, 0));
    EXPECT_TRUE(shows(3, 1));
    EXPECT_FALSE(shows(4, 0)) << "no piece left behind on the way";
}

} // namespace
} // namespace tycora::testing
