// Every piece on a square stays in sight, each on a disc in its player's
// colours, also when it shares the square.

#include "main_window_support.h"

#include "game/dice.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "shell/shell_test_support.h"
#include "tests/support/recording_log.h"
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
    screen().drawPiece(3, 0);
    EXPECT_TRUE(shows(3, 0)) << "a piece alone stands on its disc";
    screen().drawPiece(3, 2);
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 2));
    screen().drawPiece(3, 1);
    screen().drawPiece(3, 0);   // drawn again where it stands
    for (int player = 0; player < 3; ++player)
        EXPECT_TRUE(shows(3, player)) << player;
    EXPECT_EQ(picture("imgSquare", 3)->picture(), picture("imgPlayerInfoPiece", 1)->picture()) << "the last to come in front";

    screen().clearSquare(3);
    for (int player = 0; player < 3; ++player)
        EXPECT_FALSE(shows(3, player));
    screen().drawPiece(40, 0);   // out of range: nothing drawn, nothing broken
    screen().drawPiece(3, 4);
    EXPECT_TRUE(picture("imgSquare", 3)->picture().isNull());
}

TEST_F(Pieces, APieceLeavingASharedSquareLeavesTheOtherDrawn)
{
    // The engine's own calls: Ann stops on Whitechapel Road, Ben joins her
    // there, then Ann walks on to Pentonville Road.
    state.PlayerCount = 2;
    ManualClock clock;
    RecordingLog log;
    SeededRandom seeded(1);
    RandomDice unscripted(seeded);
    ScriptedDice dice(unscripted);
    for (int die : {1, 2, 1, 2, 2, 3})
        dice.push(die);
    Engine engine(state, screen(), clock, log, dice);
    engine.startGame();
    const auto runUntil = [&](auto done) {
        for (int tick = 0; tick < 1000 && !done(); ++tick)
            clock.advanceToNextTick();
    };
    engine.rollDice(0);
    runUntil([&] { return state.Players[1].Square == 3 && engine.phase() == Engine::Phase::ToThrow; });
    EXPECT_TRUE(shows(3, 0));
    EXPECT_TRUE(shows(3, 1));

    engine.rollDice(0);
    clock.advanceToNextTick();   // the first step off the square
    EXPECT_TRUE(shows(4, 0));
    EXPECT_TRUE(shows(3, 1)) << "Ben stays in sight";
    EXPECT_FALSE(shows(3, 0));
    runUntil([&] { return engine.phase() == Engine::Phase::ToThrow; });
    EXPECT_TRUE(shows(8, 0));
    EXPECT_FALSE(shows(4, 0)) << "nothing left behind on the way";
}

} // namespace
} // namespace tycora::testing
