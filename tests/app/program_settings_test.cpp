// The real program's settings file: found where the XDG rules say, and a
// named pipe there neither holds up the start nor keeps the game from
// ending at a signal.

#include "program_runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace tycora::testing {
namespace {

class ProgramSettings : public ::testing::Test {
protected:
    void SetUp() override { runner.environment.insert("HOME", runner.filePath("home")); }

    // A named pipe where the settings file would be, below `folder`.
    void pipeIn(const QString &folder) const
    {
        ASSERT_TRUE(QDir().mkpath(folder + "/Tycora"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/Tycora/Tycora.ini").constData(), 0644), 0);
    }

    // Starts the game, waits for its one line about the settings, then
    // ends it with a signal: it must be running and end normally.
    QByteArray startAndStop()
    {
        runner.start({});
        EXPECT_TRUE(runner.waitForErrorLine()) << "the game says nothing about its settings";
        EXPECT_EQ(runner.process().state(), QProcess::Running);
        EXPECT_TRUE(runner.sendSignal(SIGTERM));
        const Outcome outcome = runner.finish();
        EXPECT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.status, 0);
        return outcome.err;
    }
    static QByteArray cannotRead(const QString &file)
    {
        return "tycora: cannot read the settings " + file.toUtf8() +
               " (a named pipe, not a regular file); the game offers the usual choices.\n";
    }

    ProgramRunner runner;
};

TEST_F(ProgramSettings, ANamedPipeIsNotWaitedOn)
{
    runner.environment.insert("XDG_CONFIG_HOME", runner.filePath("config"));
    pipeIn(runner.filePath("config"));
    EXPECT_EQ(startAndStop(), cannotRead(runner.filePath("config/Tycora/Tycora.ini")));
    EXPECT_TRUE(QFileInfo(runner.filePath("config/Tycora/Tycora.ini")).exists());
}

TEST_F(ProgramSettings, ARelativeConfigFolderIsIgnored)
{
    // Relative to the folder the program starts in, which is the test's.
    runner.environment.insert("XDG_CONFIG_HOME", "config");
    pipeIn(runner.filePath("config"));
    pipeIn(runner.filePath("home/.config"));
    EXPECT_EQ(startAndStop(), cannotRead(runner.filePath("home/.config/Tycora/Tycora.ini")));
}

} // namespace
} // namespace tycora::testing
