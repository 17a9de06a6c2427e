// The clock the real game runs on: every game timer is a QTimer. Holding
// the clock (while the quit question is open) must stop them all and
// releasing it must start again exactly those that were running, with the
// time they had left. Checked through the QTimers' own state, no sleeping.

#include "game/timer.h"
#include "toolkit/qt_clock.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

class QtClockTest : public ::testing::Test {
protected:
    QtClock clock;
    Timer step{clock, 500};
    Timer pause{clock, 1800};

    // The QTimer standing for a game timer: the one with its interval.
    QTimer *qtimerOf(const Timer &timer) const
    {
        for (QTimer *q : clock.findChildren<QTimer *>())
            if (q->interval() == timer.interval())
                return q;
        return nullptr;
    }
    bool running(const Timer &timer) const
    {
        QTimer *q = qtimerOf(timer);
        return q && q->isActive();
    }
};

TEST_F(QtClockTest, AnEnabledTimerRunsAsAQTimerOfItsInterval)
{
    step.setEnabled(true);
    ASSERT_NE(qtimerOf(step), nullptr);
    EXPECT_TRUE(running(step));
    EXPECT_LE(qtimerOf(step)->remainingTime(), 500);
    step.setEnabled(false);
    EXPECT_FALSE(running(step));
}

TEST_F(QtClockTest, HoldStopsEveryTimerAndReleaseStartsThoseThatRan)
{
    step.setEnabled(true);
    pause.setEnabled(true);
    pause.setEnabled(false);
    clock.hold();
    EXPECT_TRUE(clock.held());
    EXPECT_FALSE(running(step));
    EXPECT_FALSE(running(pause));
    EXPECT_TRUE(step.enabled());   // still enabled for the game: only stood still
    clock.release();
    EXPECT_FALSE(clock.held());
    EXPECT_TRUE(running(step));
    EXPECT_FALSE(running(pause));
    // It carries on with what was left, never more than a whole interval.
    const int left = qtimerOf(step)->remainingTime();
    EXPECT_GT(left, 0);
    EXPECT_LE(left, 500);
}

TEST_F(QtClockTest, HoldsNestAndOnlyTheLastReleaseStartsAgain)
{
    step.setEnabled(true);
    clock.hold();
    clock.hold();
    clock.release();
    EXPECT_TRUE(clock.held());
    EXPECT_FALSE(running(step));
    clock.release();
    EXPECT_TRUE(running(step));
    clock.release();   // one release too many changes nothing
    EXPECT_FALSE(clock.held());
    EXPECT_TRUE(running(step));
}

TEST_F(QtClockTest, TimersChangedWhileHeldFollowTheChangeOnRelease)
{
    step.setEnabled(true);
    clock.hold();
    // Started while held: it waits for the release, then runs a whole interval.
    pause.setEnabled(true);
    EXPECT_FALSE(running(pause));
    // Stopped while held: it stays stopped.
    step.setEnabled(false);
    clock.release();
    EXPECT_TRUE(running(pause));
    EXPECT_FALSE(running(step));
    EXPECT_LE(qtimerOf(pause)->remainingTime(), 1800);
}

TEST_F(QtClockTest, AGameTimerGoneTakesItsQTimerWithIt)
{
    {
        Timer shortLived(clock, 777);
        shortLived.setEnabled(true);
        ASSERT_NE(qtimerOf(shortLived), nullptr);
    }
    for (QTimer *q : clock.findChildren<QTimer *>())
        EXPECT_NE(q->interval(), 777);
    clock.hold();
    clock.release();   // nothing left behind to restart
}

// The clock's QTimers tick through Qt's event loop: a game timer enabled on
// it fires, again and again at its interval, once the loop runs, and a
// timer released after a hold fires on its own interval afterwards.
TEST_F(QtClockTest, AnEnabledTimerFiresThroughTheEventLoop)
{
    QEventLoop loop;
    int ticks = 0;
    Timer quick(clock, 1, [&] {
        if (++ticks == 3)
            loop.quit();
    });
    quick.setEnabled(true);
    clock.hold();
    clock.release();
    // A safety net so that a clock that never fires fails instead of hanging.
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0) << "the timer never fired";
    EXPECT_EQ(ticks, 3);
    quick.setEnabled(false);
}

TEST_F(QtClockTest, AHeldTimerWaitsInTheEventLoopUntilReleased)
{
    QEventLoop loop;
    int ticks = 0;
    Timer quick(clock, 1, [&] {
        ++ticks;
        loop.quit();
    });
    quick.setEnabled(true);
    clock.hold();
    // Many of its intervals pass with the loop running, and it stands still.
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(ticks, 0);
    clock.release();
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0) << "the timer never fired after the release";
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace tycora::ui
