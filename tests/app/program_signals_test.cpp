// Stop signals end the game through its normal end: the event log gets its
// end line and the empty line after it, also when the signal comes from a
// closed terminal or Ctrl+C.

#include "app/termination_signals.h"
#include "program_runner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/syscall.h>

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

// True once the process waits in the system call `number` (as the kernel's
// /proc/PID/syscall tells); false when that cannot be seen within the
// safety timeout. Looked at again every few milliseconds: the kernel tells
// of no such wait in any other way.
bool waitsInSystemCall(qint64 pid, long number)
{
    const QString path = QStringLiteral("/proc/%1/syscall").arg(pid);
    const QByteArray prefix = QByteArray::number(static_cast<qlonglong>(number)) + ' ';
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(5)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll().startsWith(prefix))
            return true;
    }
    return false;
}

TEST(ProgramSignals, ASimulationWaitingForItsLogsReaderEndsAtTheFirstSignal)
{
    ProgramRunner runner;
    const QString log = runner.filePath("log.pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(log).constData(), 0644), 0);
    runner.start({"--simulate", "--seed", "1", "--log", log});
    if (!waitsInSystemCall(runner.process().processId(), SYS_openat)) {
        runner.process().kill();
        GTEST_SKIP() << "cannot see the program wait for the pipe's reader";
    }
    ASSERT_TRUE(runner.sendSignal(SIGTERM));
    const Outcome outcome = runner.finish();
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 128 + SIGTERM);
    EXPECT_EQ(outcome.err, "tycora: stopped by SIGTERM while waiting for a reader of " + log.toUtf8() + "\n");
    EXPECT_EQ(outcome.out, "");
}

} // namespace
} // namespace tycora::testing
