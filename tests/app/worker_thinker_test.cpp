// The program's thinker: a computer's looking ahead runs on a worker
// thread, and the window's event loop goes on meanwhile.

#include "app/worker_thinker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace tycora::app {
namespace {

TEST(WorkerThinker, TheWorkRunsOffTheCallersThreadWhileItsEventLoopGoesOn)
{
    WorkerThinker thinker;
    // The work can only finish once the event loop of the calling thread
    // has run a timer; run on that thread, it would give up and say so.
    std::promise<void> released;
    std::shared_future<void> release = released.get_future().share();
    std::thread::id workedOn;
    std::future<Scores> scores = thinker.start([release, &workedOn] {
        workedOn = std::this_thread::get_id();
        const bool freed = release.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
        return Scores{freed ? 1.0 : -1.0};
    });
    bool timerRan = false;
    QTimer::singleShot(0, [&] {
        timerRan = true;
        released.set_value();
    });
    const QDeadlineTimer deadline(std::chrono::seconds(20));
    while (scores.wait_for(std::chrono::seconds(0)) != std::future_status::ready && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(scores.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(scores.get(), Scores{1.0});
    EXPECT_NE(workedOn, std::this_thread::get_id());
}

TEST(WorkerThinker, AFailingWorkHandsOnItsException)
{
    WorkerThinker thinker;
    std::future<Scores> scores = thinker.start([]() -> Scores { throw std::runtime_error("lost"); });
    EXPECT_THROW(scores.get(), std::runtime_error);
}

} // namespace
} // namespace tycora::app
