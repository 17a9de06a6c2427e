#include "game/simulation.h"
#include "support/invariants.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tycora::testing {
namespace {

TEST(WholeGame, FourComputersPlaySeveralHundredTurnsWithinTheRules)
{
    RecordingLog log;
    SimulationOptions options;
    options.turns = 600;
    options.seed = 20261206;
    Simulation sim(options, log);
    InvariantChecker checker(sim.engine(), sim.state());
    sim.setUp();
    ASSERT_TRUE(sim.run());
    EXPECT_EQ(sim.engine().handOvers(), 600);
    EXPECT_TRUE(checker.breaches().empty()) << checker.breaches().front();
    EXPECT_GT(checker.arrivals(), 600);
    EXPECT_GT(checker.moneyChanges(), 100);
    // A long game buys most of the board and pays rent.
    int owned = 0, rent = 0;
    for (const Property &p : sim.state().Properties)
        owned += p.Owned;
    for (const SquareStat &s : sim.state().SquareStats)
        rent += s.TotalRent;
    EXPECT_GT(owned, 20);
    EXPECT_GT(rent, 0);
    EXPECT_EQ(log.lines.front(), "Player 0:  Player 1, Dog , Red, Computer");
    EXPECT_EQ(log.lines[3], "Player 3:  Player 4, Battleship, Orange, Computer");
}

TEST(WholeGame, TheSameSeedPlaysTheSameGame)
{
    SimulationOptions options;
    options.turns = 200;
    options.seed = 7;
    RecordingLog a, b;
    Simulation first(options, a), second(options, b);
    first.setUp();
    second.setUp();
    first.run();
    second.run();
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(first.reportJson(), second.reportJson());
    options.seed = 8;
    RecordingLog c;
    Simulation third(options, c);
    third.setUp();
    third.run();
    EXPECT_NE(a.lines, c.lines);
}

TEST(WholeGame, GivenDiceComeFirst)
{
    SimulationOptions options;
    options.players = 2;
    options.turns = 1;
    options.dice = {2, 3};
    RecordingLog log;
    Simulation sim(options, log);
    sim.setUp();
    sim.run();
    ASSERT_GE(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[2], "Player 1 (\xC2\xA3" "1500) rolls:  2,3");
    EXPECT_EQ(sim.state().Players[0].Square, 5);
    EXPECT_TRUE(sim.state().holds(0, 5));
}

TEST(WholeGame, ReportIsOneJsonObjectWithSquaresPlayersThrowsAndSeed)
{
    SimulationOptions options;
    options.players = 3;
    options.turns = 30;
    options.seed = 99;
    NoEventLog log;
    Simulation sim(options, log);
    sim.setUp();
    sim.run();
    const std::string json = sim.reportJson();
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(json.find("\"name\":\"Old Kent Road\""), std::string::npos);
    EXPECT_NE(json.find("\"name\":\"King's Cross Station\""), std::string::npos);
    EXPECT_NE(json.find("\"name\":\"Player 3\""), std::string::npos);
    EXPECT_EQ(json.find("\"name\":\"Player 4\""), std::string::npos);
    EXPECT_NE(json.find("\"seed\":99"), std::string::npos);
    EXPECT_NE(json.find("\"throws\":"), std::string::npos);
}

} // namespace
} // namespace tycora::testing
