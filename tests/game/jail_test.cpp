// Jail under Full rules: held on arrival, and three ways out.

#include "support/engine_fixture.h"

#include "game/computer_players.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Jail : public EngineFixture {
protected:
    void SetUp() override { startFullRulesGame(); }
    // Ann is sent to jail from Go To Jail; Bob's turn follows.
    void sendAnnToJail()
    {
        landOn(0, 30);
        ASSERT_TRUE(state.Players[0].InJail);
    }
    // Bob's move, so that Ann's next turn begins.
    void bobsTurn()
    {
        landOn(1, 20);
        ASSERT_EQ(state.CurrentPlayer, 0);
    }
};

TEST_F(Jail, GoToJailHoldsThePlayerAndEndsTheTurnEvenAfterADouble)
{
    standOn(0, 26);
    throwAndMove(0, 2, 2);   // a double onto Go To Jail
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_TRUE(state.Players[0].InJail);
    EXPECT_EQ(state.Players[0].DoublesCount, 0);
    EXPECT_EQ(money(0), 1500);   // the walk passes GO but pays nothing
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_TRUE(called("playerState:0"));
    EXPECT_TRUE(called("status:Ann goes to Jail"));
    // Stopping on square 10 by a throw is only a visit.
    landOn(1, 10);
    EXPECT_FALSE(state.Players[1].InJail);
}

TEST_F(Jail, TheCardAndThreeDoublesJailToo)
{
    state.ChancePos = 9;   // GoJail
    landOn(0, 7);
    EXPECT_TRUE(state.Players[0].InJail);
    standOn(1, 20);
    state.Players[1].DoublesCount = 2;
    throwAndMove(1, 3, 3);
    EXPECT_TRUE(state.Players[1].InJail);
    EXPECT_TRUE(logged("Bob Rolled 3 Doubles and goes to Jail"));
    EXPECT_EQ(state.CurrentPlayer, 0);
}

TEST_F(Jail, PayingTheFineLeavesAtOnceAndTheThrowMovesAsUsual)
{
    sendAnnToJail();
    screen.jailAnswers = {JailChoice::PayFine};
    bobsTurn();
    EXPECT_TRUE(called("askJail:0"));
    EXPECT_TRUE(logged("Ann (" + P + "1500) Pays " + P + "50 to leave Jail  -->  " + P + "1450"));
    EXPECT_EQ(screen.status, "Ann Pays " + P + "50 to leave Jail");
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_TRUE(screen.rollEnabled);
    scriptDice({3, 3});
    engine.rollDice(0);
    finishMove();
    EXPECT_EQ(state.Players[0].Square, 16);
    EXPECT_EQ(state.CurrentPlayer, 0);   // a double out of a paid stay throws again
}

TEST_F(Jail, AGetOutOfJailFreeCardIsKeptUsedAndReturnedToItsDeck)
{
    state.ChancePos = 13;   // GetOutJailCard
    landOn(0, 7);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Landed on Chance: GetOutJailCard"));
    EXPECT_EQ(state.JailCardHolder[0], 0);
    EXPECT_EQ(state.jailCards(0), 1);
    // While Ann keeps it, the deck skips its place.
    state.ChancePos = 13;
    landOn(1, 22);
    EXPECT_EQ(screen.cardShown, 1);
    EXPECT_EQ(state.Players[1].Square, 39);   // AdvanceToMayfair

    sendAnnToJail();
    screen.jailAnswers = {JailChoice::UseCard};
    bobsTurn();
    EXPECT_TRUE(called("askJail:0:card"));
    EXPECT_TRUE(logged("Ann Uses a Get Out of Jail Free card"));
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_EQ(state.JailCardHolder[0], -1);
    EXPECT_EQ(money(0), 1500);
}

TEST_F(Jail, ADoubleFreesThePlayerWithoutAFurtherThrow)
{
    sendAnnToJail();
    bobsTurn();
    scriptDice({4, 4});
    engine.rollDice(0);
    EXPECT_TRUE(logged("Ann Throws a Double and leaves Jail"));
    finishMove();
    EXPECT_EQ(state.Players[0].Square, 18);
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST_F(Jail, ThreeFailedThrowsThenPayAndMove)
{
    sendAnnToJail();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        bobsTurn();
        scriptDice({1, 2});
        engine.rollDice(0);
        EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "Ann Stays in Jail"), attempt);
        EXPECT_EQ(state.Players[0].Square, 10);
        EXPECT_EQ(state.CurrentPlayer, 1);
    }
    bobsTurn();
    scriptDice({1, 2});
    engine.rollDice(0);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Pays " + P + "50 to leave Jail  -->  " + P + "1450"));
    finishMove();
    EXPECT_EQ(state.Players[0].Square, 13);
    EXPECT_FALSE(state.Players[0].InJail);
}

TEST_F(Jail, APlayerInJailStillCollectsRentAndBuilds)
{
    for (const int sq : {37, 39})
        give(0, sq);
    sendAnnToJail();
    landOn(1, 37, 4);
    EXPECT_TRUE(logged("Bob Pays Ann " + P + "70 Rent for Park Lane"));
    // Ann's turn in jail: she chooses to throw, and may build first.
    ASSERT_EQ(state.CurrentPlayer, 0);
    EXPECT_TRUE(screen.rollEnabled);
    EXPECT_TRUE(screen.actions.build);
    EXPECT_TRUE(engine.build(0, 39));
}

TEST_F(Jail, AComputerLeavesEarlyWhileTheBoardIsForSale)
{
    state.Players[0].PlayerType = Computer;
    engine.setController(0, std::make_unique<FullRulesComputer>());
    sendAnnToJail();
    bobsTurn();
    EXPECT_TRUE(logged("Ann (" + P + "1500) Pays " + P + "50 to leave Jail  -->  " + P + "1450"));
    EXPECT_TRUE(engine.tmrPause().enabled());
}

TEST_F(Jail, AComputerHoldingACardUsesItRatherThanPayAfterItsThirdThrow)
{
    state.Players[0].PlayerType = Computer;
    engine.setController(0, std::make_unique<FullRulesComputer>());
    // Little left for sale: the computer would rather wait in its cell.
    for (const int sq : ownableSquares())
        if (sq != 39 && sq != 37)
            give(1, sq);
    sendAnnToJail();
    state.Players[0].JailThrows = 2;
    state.JailCardHolder[1] = 0;
    bobsTurn();
    EXPECT_TRUE(engine.tmrPause().enabled());   // Ann throws after her pause
    scriptDice({1, 2});
    while (engine.tmrPause().enabled())
        clock.advanceToNextTick();
    finishMove();
    EXPECT_TRUE(logged("Ann Uses a Get Out of Jail Free card"));
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string &l) { return l.find("to leave Jail") != std::string::npos; }),
              0);
    EXPECT_EQ(state.JailCardHolder[1], -1);
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_EQ(state.Players[0].Square, 13);   // moved by the failed throw
}

TEST_F(Jail, APersonWhoThrowsAThirdTimeAndFailsPaysAsTheQuestionSaid)
{
    sendAnnToJail();
    state.Players[0].JailThrows = 2;
    state.JailCardHolder[0] = 0;
    bobsTurn();
    scriptDice({1, 2});
    engine.rollDice(0);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Pays " + P + "50 to leave Jail  -->  " + P + "1450"));
    EXPECT_EQ(state.JailCardHolder[0], 0);
}

} // namespace
} // namespace tycora::testing
