// The three house options and the pace of play.

#include "support/engine_fixture.h"

#include "game/simulation.h"
#include "support/pound.h"

namespace tycora::testing {
namespace {

class Options : public EngineFixture {
protected:
    void start(const GameOptions &options, Long secondPlayer = Human)
    {
        addPlayer("Ann");
        addPlayer("Robo", secondPlayer);
        useOptions(options);
        engine.startGame();
    }
};

TEST_F(Options, WithoutFirstRoundBuyingNothingIsOfferedUntilThePieceHasBeenRound)
{
    GameOptions options;
    options.firstRoundBuying = false;
    start(options, Computer);
    screen.answers = {true, true};
    throwAndMove(0, 2, 4);   // the first move: off the board to The Angel Islington
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_FALSE(state.Properties[6].Owned);
    // The computer does not buy either.
    throwAndMove(1, 1, 2);   // Whitechapel Road
    EXPECT_FALSE(state.Properties[3].Owned);
    // Once round the board, Ann is asked as usual.
    standOn(0, 37);
    throwAndMove(0, 4, 5);   // past GO to The Angel Islington
    EXPECT_EQ(screen.questions.size(), 1u);
    EXPECT_TRUE(state.holds(0, 6));
    // A walk backwards over GO is not a round.
    EXPECT_TRUE(state.Players[0].BeenRound);
    EXPECT_FALSE(state.Players[1].BeenRound);
}

TEST_F(Options, FourHundredForEndingOnGoTwoHundredForPassing)
{
    GameOptions options;
    options.doubleGoSalary = true;
    start(options);
    standOn(0, 35);
    throwAndMove(0, 2, 3);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Passed GO:  " + P + "400  -->  " + P + "1900"));
    standOn(0, 36);
    throwAndMove(0, 2, 3);   // to 1, passing GO
    EXPECT_TRUE(logged("Ann (" + P + "1900) Passed GO:  " + P + "200  -->  " + P + "2100"));
    // "Advance to GO" ends on GO too.
    state.ChancePos = 3;
    standOn(0, 33);
    throwAndMove(0, 1, 2);
    EXPECT_TRUE(logged("Ann (" + P + "2100) Passed GO:  " + P + "400  -->  " + P + "2500"));
}

TEST_F(Options, TaxesAndChargingCardsGoIntoThePotThatFreeParkingPaysOut)
{
    GameOptions options;
    options.freeParkingPot = true;
    start(options);
    EXPECT_EQ(screen.freeParking, 0);   // the pot is shown from the start
    landOn(0, 4);                        // Income Tax
    EXPECT_EQ(state.FreeParking, 200);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Pays " + P + "200 Income Tax  -->  " + P + "1300"));
    state.ChancePos = 11;                // PoorTax
    landOn(0, 7);
    EXPECT_EQ(state.FreeParking, 215);
    EXPECT_EQ(screen.freeParking, 215);
    // Rent and purchases never go into the pot.
    screen.answers = {true};
    landOn(1, 11);
    EXPECT_EQ(state.FreeParking, 215);

    landOn(1, 20);
    EXPECT_EQ(log.lines.back(), "Robo (" + P + "1360) Collects " + P + "215 from Free Parking  -->  " + P + "1575");
    EXPECT_EQ(screen.status, "Robo Collects " + P + "215 from Free Parking");
    EXPECT_EQ(state.FreeParking, 0);
    EXPECT_EQ(screen.freeParking, 0);
    // An empty pot pays nothing and logs nothing.
    const std::size_t lines = log.lines.size();
    landOn(0, 20);
    EXPECT_EQ(log.lines.size(), lines + 1);   // the throw only
}

TEST_F(Options, WithoutThePotTaxesGoToTheBank)
{
    start(GameOptions{});
    landOn(0, 4);
    landOn(1, 20);
    EXPECT_EQ(state.FreeParking, 0);
    EXPECT_EQ(money(1), 1500);
}

TEST_F(Options, TheOptionsLineNamesWhatDiffersAndADefaultGameHasNone)
{
    EXPECT_EQ(optionsLogLine(GameOptions{}), "");
    GameOptions options;
    options.firstRoundBuying = false;
    options.freeParkingPot = true;
    EXPECT_EQ(optionsLogLine(options), "Options:  No purchasing on the first round, All payments goto Free Parking");
    options.doubleGoSalary = true;
    options.rules = RuleSet::Full;
    EXPECT_EQ(optionsLogLine(options), "Options:  No purchasing on the first round, " + P +
                                           "400 for landing on GO, All payments goto Free Parking, Full rules");
    // Written once, when the game starts, after the player lines.
    start(options);
    EXPECT_EQ(log.lines, std::vector<std::string>{optionsLogLine(options)});
}

TEST_F(Options, TheSimulationWritesTheOptionsLineAfterThePlayers)
{
    SimulationOptions simulation;
    simulation.players = 2;
    simulation.turns = 1;
    simulation.game.doubleGoSalary = true;
    RecordingLog lines;
    Simulation sim(simulation, lines);
    sim.setUp();
    ASSERT_GE(lines.lines.size(), 3u);
    EXPECT_EQ(lines.lines[1], "Player 1:  Player 2, Hat, Blue, Computer");
    EXPECT_EQ(lines.lines[2], "Options:  " + P + "400 for landing on GO");
}

// ---- pace --------------------------------------------------------------

class Pacing : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Robo", Computer);
        addPlayer("Cy");
    }
};

TEST_F(Pacing, EachPaceHasItsIntervals)
{
    const PaceTimings classic = timingsOf(Pace::Classic);
    EXPECT_EQ(classic.stepMs, 500);
    EXPECT_EQ(classic.pauseMs, 1800);
    EXPECT_EQ(classic.countdownMs, 100);
    EXPECT_EQ(countdownDecrement(classic, 200), 1);
    const PaceTimings fast = timingsOf(Pace::Fast);
    EXPECT_NEAR(fast.stepMs, 500 / 3, 20);
    EXPECT_NEAR(fast.pauseMs, 1800 / 3, 60);
    EXPECT_TRUE(timingsOf(Pace::Instant).walkAtOnce);
    EXPECT_GT(timingsOf(Pace::Instant).pauseMs, 0);
    EXPECT_EQ(engine.tmrMovePiece().interval(), 500);
    EXPECT_EQ(engine.tmrPause().interval(), 1800);
}

TEST_F(Pacing, AChangeDuringAWalkTakesEffectFromTheNextStart)
{
    standOn(0, 0);
    scriptDice({3, 4});
    state.CurrentPlayer = 0;
    engine.rollDice(0);
    clock.advance(500);
    engine.setPace(Pace::Fast);
    EXPECT_EQ(engine.tmrMovePiece().interval(), 500);
    clock.advance(500);
    EXPECT_EQ(state.Players[0].Square, 2);   // still the classic step
    finishMove();
    landOn(2, 20);
    EXPECT_EQ(engine.tmrMovePiece().interval(), timingsOf(Pace::Fast).stepMs);
}

TEST_F(Pacing, InstantPiecesJumpButComputersStillPause)
{
    engine.setPace(Pace::Instant);
    give(0, 5);
    standOn(2, 0);
    state.CurrentPlayer = 2;
    scriptDice({2, 3});
    engine.rollDice(2);
    clock.advanceToNextTick();
    EXPECT_EQ(state.Players[2].Square, 5);   // the whole walk in one tick
    clock.advanceToNextTick();               // the arrival: £25 rent
    EXPECT_EQ(screen.payments, (std::vector<std::array<int, 3>>{{2, 0, 25}}));

    // Cy's turn over, Ann's; then Robo's, who pauses before throwing.
    landOn(0, 20);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_TRUE(engine.tmrPause().enabled());
    EXPECT_GE(engine.tmrPause().interval(), 300);
}

} // namespace
} // namespace tycora::testing
