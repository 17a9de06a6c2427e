// A hard computer's thinking handed to a thinker: the engine's thread is
// free while it runs, the scores come back through the clock, and the game
// plays exactly as it does when the thinking is done on the spot.

#include "game/simulation.h"
#include "game/thinking.h"
#include "tests/support/recording_log.h"

#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace tycora::testing {
namespace {

SimulationOptions hardGame()
{
    SimulationOptions options;
    options.players = 3;
    options.turns = 24;
    options.seed = 4242;
    options.game.rules = RuleSet::Full;
    options.levels = {ComputerLevel::Hard, ComputerLevel::Normal, ComputerLevel::Hard};
    return options;
}

// The first player, hard, holds the brown group from the start: before
// its next throw it thinks about building.
void setUp(Simulation &game)
{
    game.setUp();
    for (const int square : {1, 3}) {
        game.state().Properties[square].Owned = true;
        game.state().Properties[square].Owner = 0;
    }
}

std::vector<std::string> playedOnTheSpot()
{
    RecordingLog log;
    Simulation game(hardGame(), log);
    setUp(game);
    EXPECT_TRUE(game.run());
    return log.lines;
}

// Runs each piece of work on a thread of its own.
class ThreadThinker final : public Thinker {
public:
    std::future<Scores> start(ThinkWork work) override
    {
        ++started;
        return std::async(std::launch::async, std::move(work));
    }
    int started = 0;
};

// Holds the work until the test runs it.
class HeldThinker final : public Thinker {
public:
    std::future<Scores> start(ThinkWork work) override
    {
        held = std::move(work);
        promise = std::promise<Scores>();
        return promise.get_future();
    }
    ThinkWork held;
    std::promise<Scores> promise;
};

TEST(HardThinking, OnAnotherThreadTheGamePlaysAsOnTheSpot)
{
    const std::vector<std::string> expected = playedOnTheSpot();
    RecordingLog log;
    ThreadThinker thinker;
    Simulation game(hardGame(), log);
    game.engine().setThinker(&thinker);
    setUp(game);
    ASSERT_TRUE(game.run());
    EXPECT_GT(thinker.started, 0);
    EXPECT_EQ(log.lines, expected);
}

TEST(HardThinking, TheGameWaitsOnItsClockForTheScoresAndUsesThemNoSooner)
{
    const std::vector<std::string> expected = playedOnTheSpot();
    RecordingLog log;
    HeldThinker thinker;
    Simulation game(hardGame(), log);
    Engine &engine = game.engine();
    engine.setThinker(&thinker);
    setUp(game);
    int thoughts = 0;
    int beforeThrows = 0;
    while (!game.finished()) {
        if (!thinker.held) {
            ASSERT_TRUE(game.playTick());
            continue;
        }
        // The question was put and the call came back at once: the game's
        // thread is free. The clock goes on ticking, and nothing moves on.
        ++thoughts;
        beforeThrows += engine.phase() == Engine::Phase::ToThrow;
        ASSERT_TRUE(engine.thinking());
        EXPECT_FALSE(engine.settled());
        const std::size_t lines = log.lines.size();
        const long long throws = engine.throws();
        const Engine::Phase phase = engine.phase();
        for (int tick = 0; tick < 5; ++tick)
            ASSERT_TRUE(game.playTick());
        EXPECT_TRUE(engine.tmrThought().enabled());
        EXPECT_EQ(log.lines.size(), lines);
        EXPECT_EQ(engine.throws(), throws);
        EXPECT_EQ(engine.phase(), phase);

        // Worked out on another thread, the scores are used at the clock's
        // next look, and not before.
        std::thread worker([work = std::move(thinker.held), &thinker] { thinker.promise.set_value(work()); });
        thinker.held = nullptr;
        worker.join();
        EXPECT_TRUE(engine.thinking());
        ASSERT_TRUE(game.playTick());
        // Used: the game has gone on, or it has asked the next question.
        EXPECT_TRUE(!engine.thinking() || thinker.held);
    }
    EXPECT_GT(thoughts, 3);
    EXPECT_GT(beforeThrows, 0) << "no thought about building before a throw";
    EXPECT_EQ(log.lines, expected);
}

TEST(HardThinking, AThoughtStillUnderWayWhenTheGameEndsIsNeverUsed)
{
    RecordingLog log;
    HeldThinker thinker;
    Simulation game(hardGame(), log);
    game.engine().setThinker(&thinker);
    setUp(game);
    while (!thinker.held)
        ASSERT_TRUE(game.playTick());
    game.engine().stopTimers();
    EXPECT_FALSE(game.engine().thinking());
    const std::size_t lines = log.lines.size();
    thinker.promise.set_value(thinker.held());
    EXPECT_FALSE(game.playTick()) << "no timer left running";
    EXPECT_EQ(log.lines.size(), lines);
}

} // namespace
} // namespace tycora::testing
