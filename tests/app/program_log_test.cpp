// The event log beside the real program: whatever debug.txt turns out to be
// (a named pipe, a link, a device, a file at its size limit or cut off in
// the middle of a line), the game says so once at most, plays on, and the
// file holds whole lines only.

#include "program_runner.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tycora::testing {
namespace {

class ProgramLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runner.placeCopy()); }

    QString logPath() const { return runner.filePath("debug.txt"); }
    QByteArray cannotWrite(const QString &reason) const
    {
        return "tycora: cannot write the event log " + logPath().toUtf8() + " (" + reason.toUtf8() +
               "); the game goes on without it.\n";
    }
    void writeLogFile(const QByteArray &bytes) const
    {
        QFile f(logPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Starts the game with the word debug, waits for its one message about
    // the log, then stops it as a session's end would: it must still be
    // playing then, and end normally.
    Outcome playUntilTheMessageThenStop(const std::function<void()> &inChild = {})
    {
        runner.start({"debug"}, inChild);
        EXPECT_TRUE(runner.waitForErrorLine()) << "the game says nothing about its log";
        EXPECT_EQ(runner.process().state(), QProcess::Running) << "the game is still playing";
        EXPECT_TRUE(runner.sendSignal(SIGTERM));
        const Outcome outcome = runner.finish();
        EXPECT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.status, 0);
        return outcome;
    }

    ProgramRunner runner;
};

TEST_F(ProgramLog, ANamedPipeIsRefusedWithoutWaitingForAReader)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(logPath()).constData(), 0644), 0);
    const Outcome outcome = playUntilTheMessageThenStop();
    EXPECT_EQ(outcome.err, cannotWrite("a named pipe, not a regular file"));
}

TEST_F(ProgramLog, ALinkIsNotFollowedNorItsTargetMade)
{
    ASSERT_TRUE(QFile::link(runner.filePath("elsewhere.txt"), logPath()));
    Outcome outcome = playUntilTheMessageThenStop();
    EXPECT_EQ(outcome.err, cannotWrite("a symbolic link, which is not followed"));
    EXPECT_FALSE(QFile::exists(runner.filePath("elsewhere.txt")));

    {
        QFile target(runner.filePath("elsewhere.txt"));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write("mine\n");
    }
    outcome = playUntilTheMessageThenStop();
    EXPECT_EQ(outcome.err, cannotWrite("a symbolic link, which is not followed"));
    EXPECT_EQ(readFile(runner.filePath("elsewhere.txt")), "mine\n");
}

TEST_F(ProgramLog, ADeviceGetsOneMessageAndNoWarningsPerEvent)
{
    if (::mknod(QFile::encodeName(logPath()).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device files can be made here";
    const Outcome outcome = playUntilTheMessageThenStop();
    EXPECT_EQ(outcome.err, cannotWrite("a device, not a regular file"));
}

TEST_F(ProgramLog, AtTheFileSizeLimitTheGamePlaysOnAndNoPartOfALineIsWritten)
{
    // Whole lines up to 10 bytes below the limit: the start line finds room
    // for a part of itself only.
    const QByteArray earlier = "Game Started:  05/12/2026 10:00:00\r\nGame Ended:  05/12/2026 10:30:00\r\n\r\n";
    writeLogFile(earlier);
    const rlim_t limit = static_cast<rlim_t>(earlier.size() + 10);
    const Outcome outcome = playUntilTheMessageThenStop([limit] {
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
    });
    EXPECT_EQ(outcome.err, cannotWrite("File too large"));
    EXPECT_EQ(readFile(logPath()), earlier);
}

TEST_F(ProgramLog, ARunAfterALineCutOffStartsOnAFreshLine)
{
    writeLogFile("Game Started:  05/12/2026 10:00:00\r\nPlayer 1:  Player ");
    runner.start({"debug"});
    ASSERT_TRUE(waitForFile(logPath(), [](const QByteArray &text) { return text.count("Game Started:  ") == 2 && text.endsWith('\n'); }));
    ASSERT_TRUE(runner.sendSignal(SIGTERM));
    const Outcome outcome = runner.finish();
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    const QList<QByteArray> lines = readFile(logPath()).split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1], "Player 1:  Player \r");
    EXPECT_TRUE(lines[2].startsWith("Game Started:  ") && lines[2].endsWith('\r'));
    EXPECT_TRUE(lines[3].startsWith("Game Ended:  ") && lines[3].endsWith('\r'));
    EXPECT_EQ(lines[4], "\r");
    EXPECT_EQ(lines[5], "");
}

} // namespace
} // namespace tycora::testing
