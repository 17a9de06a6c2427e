#include "support/engine_fixture.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class TurnControl : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
    }
    std::size_t callIndex(const std::string &call) const
    {
        return std::find(screen.calls.begin(), screen.calls.end(), call) - screen.calls.begin();
    }
};

TEST_F(TurnControl, AThrowIsLoggedShownAndSetsTheTarget)
{
    standOn(0, 5);
    scriptDice({3, 4});
    engine.rollDice(0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Ann (\xC2\xA3" "1500) rolls:  3,4"}));
    EXPECT_EQ(screen.dice[1], 3);
    EXPECT_EQ(screen.dice[2], 4);
    EXPECT_EQ(state.DiceTotal, 7);
    EXPECT_EQ(state.Players[0].TargetSquare, 12);
    EXPECT_EQ(state.Players[0].DoublesCount, 0);
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    EXPECT_FALSE(screen.rollEnabled);
    // The transient displays go first, the dice faces after the log line.
    EXPECT_LT(callIndex("hideStatus"), callIndex("hideCard"));
    EXPECT_LT(callIndex("hideCard"), callIndex("propertyCard:hidden"));
    EXPECT_LT(callIndex("die1:3"), callIndex("die2:4"));
    EXPECT_NE(std::find(screen.calls.begin(), screen.calls.end(), "diceRoll:Ann rolls 7"), screen.calls.end());
}

TEST_F(TurnControl, TargetWrapsPastGo)
{
    standOn(0, 35);
    scriptDice({3, 4});
    engine.rollDice(0);
    EXPECT_EQ(state.Players[0].TargetSquare, 2);
}

TEST_F(TurnControl, ADoubleGivesAnotherThrowAndTheNextThrowSaysSo)
{
    standOn(0, 5);
    throwAndMove(0, 1, 1);   // to 7: Chance, Advance to Mayfair...
    // Keep the test about doubles: the card moved the piece on to Mayfair,
    // where Ann was asked to buy and said No.
    EXPECT_EQ(state.Players[0].Square, 39);
    EXPECT_EQ(state.Players[0].DoublesCount, 1);
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(screen.status, "Ann Rolled a Double and gets Another Throw");
    EXPECT_TRUE(logged("Ann Rolled a Double and gets Another Throw"));
    EXPECT_TRUE(screen.rollEnabled);

    log.lines.clear();
    throwAndMove(0, 2, 3);
    ASSERT_GE(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0], "Ann (\xC2\xA3" "1500) rolled doubles and rolls again");
    EXPECT_EQ(log.lines[1], "Ann (\xC2\xA3" "1500) rolls:  2,3");
    EXPECT_EQ(state.Players[0].DoublesCount, 0);
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST_F(TurnControl, NextPlayerWrapsWithThreePlayers)
{
    addPlayer("Cy");
    standOn(2, 0);
    throwAndMove(2, 4, 6);
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(engine.handOvers(), 1);
    // The current-player display follows every hand-over.
    EXPECT_NE(std::find(screen.calls.begin(), screen.calls.end(), "showCurrentPlayer"), screen.calls.end());
}

TEST_F(TurnControl, GameStartPutsTheFirstPieceOnGoAndWaitsForAHuman)
{
    engine.startGame();
    // Only the first player's piece waits on GO.
    EXPECT_EQ(screen.piecesShown[0], std::vector<int>{0});
    EXPECT_TRUE(screen.rollEnabled);
    EXPECT_EQ(state.Players[0].Square, -1);
    EXPECT_EQ(state.Players[1].Square, -1);
    EXPECT_EQ(engine.throws(), 0);
}

TEST_F(TurnControl, AComputerOpensTheGameAtOnceWithoutAPause)
{
    state.Players[0].PlayerType = Computer;
    scriptDice({2, 3});
    engine.startGame();
    EXPECT_EQ(engine.throws(), 1);
    EXPECT_FALSE(engine.tmrPause().enabled());
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    EXPECT_EQ(state.Players[0].Square, -1);
    EXPECT_EQ(state.Players[0].TargetSquare, 5);
    // The first move takes one extra step, from off the board onto GO:
    // six steps and the arrival.
    clock.advance(6 * 500);
    EXPECT_TRUE(engine.tmrMovePiece().enabled());
    EXPECT_EQ(state.Players[0].Square, 5);
    clock.advance(500);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
    EXPECT_TRUE(state.Properties[5].Owned);   // bought King's Cross
}

TEST_F(TurnControl, AComputerThrowsAfterItsPauseAndShowsItselfFirst)
{
    state.Players[1].PlayerType = Computer;
    engine.startGame();
    throwAndMove(0, 4, 6);   // Ann to Jail, just visiting
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_TRUE(engine.tmrPause().enabled());
    const long long before = engine.throws();
    scriptDice({1, 2});
    screen.calls.clear();
    clock.advance(1799);
    EXPECT_EQ(engine.throws(), before);
    clock.advance(1);
    EXPECT_EQ(engine.throws(), before + 1);
    EXPECT_FALSE(engine.tmrPause().enabled());
    ASSERT_GE(screen.calls.size(), 2u);
    EXPECT_EQ(screen.calls[0], "showCurrentPlayer");
    EXPECT_EQ(screen.calls[1], "hideStatus");   // the throw begins
}

TEST_F(TurnControl, ThirdDoubleGoesStraightToJailOnceAndPassesTheTurn)
{
    standOn(0, 20);
    state.Players[0].DoublesCount = 2;
    state.Players[0].Money = 1000;
    scriptDice({5, 5});
    engine.rollDice(0);
    // Logged and shown as usual, but not walked: heading for jail.
    EXPECT_TRUE(logged("Ann (\xC2\xA3" "1000) rolled doubles and rolls again"));
    EXPECT_TRUE(logged("Ann (\xC2\xA3" "1000) rolls:  5,5"));
    EXPECT_EQ(screen.dice[1], 5);
    EXPECT_EQ(state.Players[0].TargetSquare, 10);
    finishMove();
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_EQ(state.Players[0].Money, 1000);   // passed GO on the way: no salary
    EXPECT_EQ(state.Players[0].DoublesCount, 0);
    EXPECT_EQ(screen.status, "Ann Rolled 3 Doubles and goes to Jail");
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "Ann Rolled 3 Doubles and goes to Jail"), 1);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());

    // A later arrival at 10 is an ordinary visit.
    state.CurrentPlayer = 0;
    standOn(0, 6);
    throwAndMove(0, 1, 3);
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "Ann Rolled 3 Doubles and goes to Jail"), 1);
}

TEST_F(TurnControl, ThirdDoubleWhileStandingOnJailEndsAtOnce)
{
    standOn(0, 10);
    state.Players[0].DoublesCount = 2;
    throwAndMove(0, 2, 2);
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_EQ(screen.status, "Ann Rolled 3 Doubles and goes to Jail");
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST_F(TurnControl, EveryThrowHidesTheTransientDisplaysEvenForAComputer)
{
    state.Players[0].PlayerType = Computer;
    screen.showStatus("old news");
    screen.showCard(Deck::Chance, 3);
    screen.setPropertyCardVisible(true);
    scriptDice({1, 2});
    engine.rollDice(0);
    EXPECT_FALSE(screen.statusVisible);
    EXPECT_EQ(screen.cardShown, 0);
    EXPECT_FALSE(screen.propertyCardVisible);
}

} // namespace
} // namespace tycora::testing
