#include "game/manual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tycora {
namespace {

TEST(ManualClock, FiresDueTicksInTimeOrder)
{
    ManualClock clock;
    std::vector<std::string> fired;
    Timer fast(clock, 100, [&] { fired.push_back("fast@" + std::to_string(clock.now())); });
    Timer slow(clock, 250, [&] { fired.push_back("slow@" + std::to_string(clock.now())); });
    fast.setEnabled(true);
    slow.setEnabled(true);
    clock.advance(500);
    // At 500 both are due: the slow tick was scheduled first (at 250).
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@100", "fast@200", "slow@250", "fast@300", "fast@400",
                                               "slow@500", "fast@500"}));
    EXPECT_EQ(clock.now(), 500);
}

TEST(ManualClock, DisabledTimersDoNotTickAndEnablingAgainRestartsTheInterval)
{
    ManualClock clock;
    int ticks = 0;
    Timer t(clock, 500, [&] { ++ticks; });
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
    t.setEnabled(true);
    clock.advance(300);
    t.setEnabled(true);   // already on: the pending tick is kept
    clock.advance(200);
    EXPECT_EQ(ticks, 1);
    t.setEnabled(false);
    clock.advance(400);
    t.setEnabled(true);
    clock.advance(499);
    EXPECT_EQ(ticks, 1);
    clock.advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(ManualClock, HandlersMayStartAndStopTimersIncludingTheirOwn)
{
    ManualClock clock;
    std::vector<std::string> fired;
    Timer other(clock, 100, [&] { fired.push_back("other@" + std::to_string(clock.now())); });
    Timer once(clock, 200, [&] {
        fired.push_back("once@" + std::to_string(clock.now()));
        once.setEnabled(false);
        other.setEnabled(true);
    });
    once.setEnabled(true);
    clock.advance(450);
    EXPECT_EQ(fired, (std::vector<std::string>{"once@200", "other@300", "other@400"}));
}

TEST(ManualClock, NestedAdvanceFromAHandlerIsIgnored)
{
    ManualClock clock;
    int ticks = 0;
    Timer t(clock, 10, [&] {
        ++ticks;
        clock.advance(1000);
    });
    t.setEnabled(true);
    clock.advance(30);
    EXPECT_EQ(ticks, 3);
}

TEST(ManualClock, HeldClockStandsStill)
{
    ManualClock clock;
    int ticks = 0;
    Timer t(clock, 100, [&] { ++ticks; });
    t.setEnabled(true);
    clock.hold();
    clock.advance(1000);
    EXPECT_FALSE(clock.advanceToNextTick());
    EXPECT_EQ(ticks, 0);
    clock.release();
    EXPECT_TRUE(clock.advanceToNextTick());
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(clock.now(), 100);
}

TEST(ManualClock, DestroyedTimerIsForgotten)
{
    ManualClock clock;
    {
        Timer t(clock, 10, [] {});
        t.setEnabled(true);
    }
    EXPECT_FALSE(clock.advanceToNextTick());
}

} // namespace
} // namespace tycora
