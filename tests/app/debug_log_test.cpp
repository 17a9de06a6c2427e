#include "app/debug_log.h"
#include "support/fake_services.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

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

// The log on the real file system, with the program's folder pointed at a
// test folder.
class DiskServices final : public FakeServices {
public:
    DiskServices() : real_(1, argv_) {}
    bool appendToFile(const QString &path, const QByteArray &bytes, QString *error) override
    {
        return real_.appendToFile(path, bytes, error);
    }

private:
    char name_[7] = "tycora";
    char *argv_[2] = {name_, nullptr};
    ui::SystemServices real_;
};

TEST(EventLog, EveryKindOfUnwritableLogIsReportedOnce)
{
    struct Case {
        const char *what;
        std::function<void(const QDir &)> prepare;
    };
    const std::vector<Case> cases{
        {"a folder", [](const QDir &d) { ASSERT_TRUE(d.mkdir("debug.txt")); }},
        {"a full disk", [](const QDir &d) { ASSERT_TRUE(QFile::link("/dev/full", d.filePath("debug.txt"))); }},
        {"a missing folder", [](const QDir &d) { ASSERT_TRUE(d.rmdir(d.path())); }},
        {"a read-only file", [](const QDir &d) {
             QFile f(d.filePath("debug.txt"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.close();
             ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner));
         }},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QDir folder(dir.path());
        c.prepare(folder);
        DiskServices services;
        services.folder = dir.path();
        services.arguments = "debug";
        DebugLog log(services);
        log.writeLog("one");
        log.writeLog("two");
        // The superuser may write a read-only file; then nothing is wrong.
        const bool writable = geteuid() == 0 && std::string(c.what) == "a read-only file";
        EXPECT_EQ(services.problems.size(), writable ? 0 : 1) << c.what;
        if (!services.problems.isEmpty()) {
            EXPECT_TRUE(services.problems.first().contains("debug.txt")) << c.what;
            EXPECT_TRUE(services.problems.first().contains("goes on")) << c.what;
        }
    }
}

} // namespace
} // namespace tycora::testing
