// Stop signals end the game through its normal end: the event log gets its
// end line and the empty line after it, also when the signal comes from a
// closed terminal or Ctrl+C.

#include "app/termination_signals.h"
#include "program_runner.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <csignal>

namespace tycora::testing {
namespace {

TEST(StopSignals, TheRelayCallsTheGameFromTheEventLoop)
{
    std::vector<int> seen;
    {
        app::StopSignalRelay relay([&](int signal) { seen.push_back(signal); });
        for (std::size_t i = 0; i < std::size(app::StopSignals); ++i) {
            ASSERT_EQ(std::raise(app::StopSignals[i]), 0);
            EXPECT_EQ(seen.size(), i) << "nothing is done inside the handler";
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            EXPECT_EQ(seen.size(), i + 1);
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{SIGTERM, SIGHUP, SIGINT}));
    // Gone with the relay: the dispositions are the test program's again.
    struct sigaction now = {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(ProgramSignals, AStopSignalEndsTheGameWithTheEndLine)
{
    for (int signal : app::StopSignals) {
        ProgramRunner runner;
        ASSERT_TRUE(runner.placeCopy());
        const QString log = runner.filePath("debug.txt");
        runner.start({"debug"});
        ASSERT_TRUE(waitForFile(log, [](const QByteArray &text) { return text.endsWith("\r\n"); }))
            << app::stopSignalName(signal);
        ASSERT_TRUE(runner.sendSignal(signal));
        const Outcome outcome = runner.finish();
        EXPECT_TRUE(outcome.exited) << app::stopSignalName(signal);
        EXPECT_EQ(outcome.status, 0) << app::stopSignalName(signal);
        EXPECT_EQ(outcome.err, "") << app::stopSignalName(signal);
        const QList<QByteArray> lines = readFile(log).split('\n');
        ASSERT_EQ(lines.size(), 4) << readFile(log).toStdString();
        EXPECT_TRUE(lines[0].startsWith("Game Started:  ") && lines[0].endsWith('\r'));
        EXPECT_TRUE(lines[1].startsWith("Game Ended:  ") && lines[1].endsWith('\r')) << app::stopSignalName(signal);
        EXPECT_EQ(lines[2], "\r");
        EXPECT_EQ(lines[3], "");
    }
}

} // namespace
} // namespace tycora::testing
