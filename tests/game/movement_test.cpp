#include "support/engine_fixture.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Movement : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
    }
    std::vector<std::string> callsStartingWith(const std::string &prefix) const
    {
        std::vector<std::string> out;
        for (const auto &c : screen.calls)
            if (c.rfind(prefix, 0) == 0)
                out.push_back(c);
        return out;
    }
};

TEST_F(Movement, WalksOneSquarePerTickAndPaysTheSalaryOnArrivalBeforeTheLanding)
{
    standOn(0, 38);
    standOn(1, 20);
    state.Players[0].Money = 100;
    scriptDice({1, 3});
    engine.rollDice(0);
    screen.calls.clear();
    clock.advance(500);
    EXPECT_EQ(state.Players[0].Square, 39);
    clock.advance(500);
    EXPECT_EQ(state.Players[0].Square, 0);
    EXPECT_TRUE(state.Players[0].PassedGo);
    clock.advance(1000);
    EXPECT_EQ(state.Players[0].Square, 2);
    EXPECT_TRUE(engine.tmrMovePiece().enabled());   // the arrival is the next tick
    EXPECT_EQ(money(0), 100);
    clock.advance(500);
    EXPECT_EQ(money(0), 300);
    // Square 2 drew Advance to GO: the piece walks on at once.
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    EXPECT_EQ(state.Players[0].TargetSquare, 0);
    EXPECT_FALSE(state.Players[0].PassedGo);
    EXPECT_EQ(state.SquareStats[2].Landed, 1);
    // The salary line comes before the Community Chest card (the first
    // card sends the piece on to GO).
    const auto salary = std::find(log.lines.begin(), log.lines.end(),
                                  "Ann (\xC2\xA3" "100) Passed GO:  \xC2\xA3" "200  -->  \xC2\xA3" "300");
    const auto card = std::find(log.lines.begin(), log.lines.end(),
                                "Ann (\xC2\xA3" "300) Landed on Chance: AdvanceToGO");
    ASSERT_NE(salary, log.lines.end());
    ASSERT_NE(card, log.lines.end());
    EXPECT_LT(salary, card);
    // Drawing: each step moves the piece off the square it left; the board
    // shows it where it stands and nowhere else.
    EXPECT_EQ(callsStartingWith("moved:"),
              (std::vector<std::string>{"moved:0:38", "moved:0:39", "moved:0:0", "moved:0:1"}));
    EXPECT_EQ(screen.piecesShown[2], std::vector<int>{0});
    for (const int left : {38, 39, 0, 1})
        EXPECT_TRUE(screen.piecesShown[left].empty()) << left;
}

TEST_F(Movement, LandingExactlyOnGoWithDoubleSalaryPaysFourHundredPassingPaysTwo)
{
    GameOptions options;
    options.doubleGoSalary = true;
    engine.setOptions(options);
    standOn(0, 35);
    state.Players[0].Money = 0;
    throwAndMove(0, 1, 4);   // 35 + 5 = 0
    EXPECT_EQ(state.Players[0].Square, 0);
    EXPECT_EQ(money(0), 400);
    EXPECT_TRUE(logged("Ann (\xC2\xA3" "0) Passed GO:  \xC2\xA3" "400  -->  \xC2\xA3" "400"));

    state.CurrentPlayer = 0;
    standOn(0, 37);
    state.Players[0].Money = 0;
    throwAndMove(0, 1, 4);   // 37 + 5 = 2, passing GO
    EXPECT_EQ(money(0) - 0 >= 200, true);
    EXPECT_TRUE(logged("Ann (\xC2\xA3" "0) Passed GO:  \xC2\xA3" "200  -->  \xC2\xA3" "200"));
}

TEST_F(Movement, TheOptionsFlagIsOffByDefaultSoGoPaysTwoHundred)
{
    standOn(0, 35);
    state.Players[0].Money = 0;
    throwAndMove(0, 1, 4);
    EXPECT_EQ(money(0), 200);
}

TEST_F(Movement, TheFirstStepOntoTheBoardEarnsNoSalary)
{
    engine.startGame();
    throwAndMove(0, 2, 3);
    EXPECT_EQ(state.Players[0].Square, 5);
    EXPECT_EQ(money(0), 1500);
    for (const auto &l : log.lines)
        EXPECT_EQ(l.find("Passed GO"), std::string::npos) << l;
}

TEST_F(Movement, LandingOnGoToJailWalksToJailWithoutSalaryAndThenEndsTheTurn)
{
    standOn(0, 27);
    throwAndMove(0, 1, 2);
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_EQ(money(0), 1500);
    EXPECT_EQ(state.SquareStats[30].Landed, 1);
    EXPECT_EQ(state.SquareStats[10].Landed, 1);
    EXPECT_EQ(state.CurrentPlayer, 1);
    // No doubles message and no hand-over at the arrival on 30.
    EXPECT_EQ(engine.handOvers(), 1);
}

TEST_F(Movement, AGoToJailWalkTakesOneTickPerSquare)
{
    standOn(0, 27);
    scriptDice({1, 2});
    engine.rollDice(0);
    clock.advance(3 * 500 + 500);   // three steps and the arrival on 30
    EXPECT_EQ(state.Players[0].Square, 30);
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    clock.advance(20 * 500);        // 31, ..., 39, 0, ..., 10
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    clock.advance(500);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
}

TEST_F(Movement, LeavingASharedSquareLeavesTheOtherPieceBehind)
{
    standOn(0, 10);
    standOn(1, 10);
    scriptDice({1, 2});
    engine.rollDice(0);
    clock.advance(500);
    EXPECT_EQ(screen.piecesShown[11], std::vector<int>{0});   // Ann moved on
    EXPECT_EQ(screen.piecesShown[10], std::vector<int>{1});   // Bob still shows on 10
}

TEST_F(Movement, WhenSeveralPiecesShareTheSquareLeftTheHighestIndexShows)
{
    addPlayer("Cy");
    standOn(0, 10);
    standOn(1, 10);
    standOn(2, 10);
    scriptDice({1, 2});
    engine.rollDice(0);
    clock.advance(500);
    EXPECT_EQ(screen.piecesShown[10], (std::vector<int>{1, 2}));
}

// The order in which pieces came onto a square decides where each stands
// on it, so it lives in the game: a copy of the state shows the same order.
TEST_F(Movement, PiecesOnASquareStandInTheOrderTheyCameAndLineUpAgainWhenOneLeaves)
{
    addPlayer("Cy");
    standOn(2, 20);
    standOn(1, 17);
    standOn(0, 15);
    throwAndMove(1, 1, 2);   // Bob comes after Cy
    EXPECT_EQ(screen.piecesShown[20], (std::vector<int>{2, 1}));
    throwAndMove(0, 2, 3);   // then Ann
    EXPECT_EQ(screen.piecesShown[20], (std::vector<int>{2, 1, 0}));
    const GameState copy = state;
    EXPECT_EQ(piecesOn(copy, 20), (std::vector<int>{2, 1, 0}));
    throwAndMove(2, 1, 2);   // Cy leaves: the others line up in player order
    EXPECT_EQ(screen.piecesShown[20], (std::vector<int>{0, 1}));
    EXPECT_EQ(screen.piecesShown[23], std::vector<int>{2});
}

TEST_F(Movement, LandingsAreCountedForEveryArrival)
{
    standOn(0, 7);
    throwAndMove(0, 1, 2);   // 10
    state.CurrentPlayer = 0;
    throwAndMove(0, 4, 6);   // 20
    state.CurrentPlayer = 0;
    throwAndMove(0, 4, 6);   // 30, then jail
    EXPECT_EQ(state.SquareStats[10].Landed, 2);
    EXPECT_EQ(state.SquareStats[20].Landed, 1);
    EXPECT_EQ(state.SquareStats[30].Landed, 1);
}

TEST_F(Movement, AHumanGetsTheRollButtonAtTheEndOfAMove)
{
    standOn(0, 0);
    throwAndMove(0, 4, 6);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_TRUE(screen.rollEnabled);
    EXPECT_FALSE(engine.tmrPause().enabled());
}

} // namespace
} // namespace tycora::testing
