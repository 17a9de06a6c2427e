#include "app/debug_log.h"
#include "support/fake_services.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

using app::DebugLog;
using app::loggingRequested;

TEST(EventLogSwitch, TheWordDebugAloneOrBetweenSlashesInAnyCase)
{
    EXPECT_TRUE(loggingRequested("debug"));
    EXPECT_TRUE(loggingRequested("/debug"));
    EXPECT_TRUE(loggingRequested("/fast /  DeBuG  /x"));
    EXPECT_TRUE(loggingRequested("one two/Debug"));
    EXPECT_TRUE(loggingRequested("  debug  "));
    EXPECT_FALSE(loggingRequested(""));
    EXPECT_FALSE(loggingRequested("-debug"));
    EXPECT_FALSE(loggingRequested("debug.txt"));
    EXPECT_FALSE(loggingRequested("/debug.txt"));
    EXPECT_FALSE(loggingRequested("debugging"));
    EXPECT_FALSE(loggingRequested("de bug"));
    EXPECT_FALSE(loggingRequested("\tdebug"));   // only blanks are trimmed
}

TEST(EventLogFile, BesideTheProgramWithOneSeparator)
{
    EXPECT_EQ(app::logFilePath("/opt/tycora"), "/opt/tycora/debug.txt");
    EXPECT_EQ(app::logFilePath("/"), "/debug.txt");
}

TEST(EventLog, WritesNothingAtAllWithoutTheWord)
{
    FakeServices services;
    services.arguments = "/fast -x debug.txt";
    DebugLog log(services);
    EXPECT_FALSE(log.isOn());
    log.writeLog("Ann (\xC2\xA3" "1500) rolls:  3,4");
    EXPECT_TRUE(services.files.isEmpty());
}

TEST(EventLog, AppendsOneLineEndUnlessTheMessageHasOne)
{
    FakeServices services;
    services.arguments = "debug";
    DebugLog log(services);
    log.writeLog("Game Started:  06/12/2026 12:00:00");
    log.writeLog("Ann (\xC2\xA3" "1500) rolls:  3,4");
    log.writeLog("Game Ended:  06/12/2026 12:30:00\r\n\r\n");
    EXPECT_EQ(services.files.value("/opt/tycora/debug.txt"),
              QByteArray("Game Started:  06/12/2026 12:00:00\r\n"
                         "Ann (\xC2\xA3" "1500) rolls:  3,4\r\n"
                         "Game Ended:  06/12/2026 12:30:00\r\n\r\n"));
}

TEST(EventLog, AppendsAcrossRunsOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int run = 0; run < 2; ++run) {
        FakeServices services;
        services.writeToDisk = true;
        services.folder = dir.path();
        services.arguments = "/DEBUG";
        DebugLog log(services);
        log.writeLog("line " + std::to_string(run));
    }
    QFile file(dir.filePath("debug.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("line 0\r\nline 1\r\n"));
}

TEST(EventLog, AnUnwritableLogIsReportedOnceAndTheGameGoesOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // debug.txt is a folder: it cannot be opened for appending.
    ASSERT_TRUE(QDir(dir.path()).mkdir("debug.txt"));
    FakeServices services;
    services.writeToDisk = true;
    services.folder = dir.path();
    services.arguments = "debug";
    DebugLog log(services);
    log.writeLog("one");
    log.writeLog("two");
    ASSERT_EQ(services.problems.size(), 1);
    EXPECT_TRUE(services.problems.first().contains("debug.txt"));
    EXPECT_TRUE(services.problems.first().contains("goes on"));
}

} // namespace
} // namespace tycora::testing
