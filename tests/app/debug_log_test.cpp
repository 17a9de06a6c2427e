#include "app/debug_log.h"
#include "support/fake_services.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
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

TEST(EventLog, EveryKindOfUnwritableLogIsReportedOnceWithItsReason)
{
    struct Case {
        const char *what;
        std::function<void(const QDir &)> prepare;
        QString reason;
    };
    const std::vector<Case> cases{
        {"a folder", [](const QDir &d) { ASSERT_TRUE(d.mkdir("debug.txt")); }, "a folder, not a regular file"},
        {"a named pipe", [](const QDir &d) { ASSERT_EQ(::mkfifo(QFile::encodeName(d.filePath("debug.txt")), 0644), 0); },
         "a named pipe, not a regular file"},
        {"a link to a full disk", [](const QDir &d) { ASSERT_TRUE(QFile::link("/dev/full", d.filePath("debug.txt"))); },
         "a symbolic link, which is not followed"},
        {"a missing folder", [](const QDir &d) { ASSERT_TRUE(d.rmdir(d.path())); }, "No such file or directory"},
        {"a read-only file", [](const QDir &d) {
             QFile f(d.filePath("debug.txt"));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.close();
             ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner));
         }, "Permission denied"},
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
        ASSERT_EQ(services.problems.size(), writable ? 0 : 1) << c.what;
        if (!writable) {
            EXPECT_EQ(services.problems.first(), QStringLiteral("cannot write the event log %1 (%2); the game goes on "
                                                                "without it.")
                                                     .arg(dir.filePath("debug.txt"), c.reason));
        }
    }
}

TEST(EventLogLine, NoControlInsideAMessageReachesTheFile)
{
    using app::logLineBytes;
    // A name that tries to start a line of its own, with every kind of
    // line break and text-direction control.
    EXPECT_EQ(logLineBytes("Player 0:  Ann\r\nGame Ended:  x\r\n\r\nEve, Hat, Red, Human"),
              "Player 0:  AnnGame Ended:  xEve, Hat, Red, Human\r\n");
    EXPECT_EQ(logLineBytes(std::string("A\0B\x01\x1b[2J\tC\x7f", 12) + "\n"), "AB[2JC\r\n");
    EXPECT_EQ(logLineBytes("Ann\xC2\x85" "Bob\xE2\x80\xA8" "Cy\xE2\x80\xA9" "Di (\xC2\xA3" "1500) rolls:  3,4"),
              "AnnBobCyDi (\xC2\xA3" "1500) rolls:  3,4\r\n");
    EXPECT_EQ(logLineBytes("\xE2\x80\xAE" "evil\xE2\x80\xAA\xE2\x80\xAC\xE2\x81\xA6\xE2\x81\xA9 name"),
              "evil name\r\n");
    // Ordinary text in any script stays; bytes that are not UTF-8 become U+FFFD.
    EXPECT_EQ(logLineBytes("Zo\xC3\xAB \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x8E\xB2 \xE2\x80\x8F"),
              "Zo\xC3\xAB \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x8E\xB2 \xE2\x80\x8F\r\n");
    EXPECT_EQ(logLineBytes("a\xFF" "b\xC2" "c\xE2\x80"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD\r\n");
    EXPECT_EQ(logLineBytes("\xC0\xAF\xED\xA0\x80"), QByteArray(5, 0).replace(QByteArray(1, 0), "\xEF\xBF\xBD") + "\r\n");
    // The message's own ending stays exactly: the end line's two.
    EXPECT_EQ(logLineBytes("Game Ended:  06/12/2026 12:30:00\r\n\r\n"), "Game Ended:  06/12/2026 12:30:00\r\n\r\n");
    EXPECT_EQ(logLineBytes("Ann\r\n"), "Ann\r\n");
    EXPECT_EQ(logLineBytes("Ann\r"), "Ann\r\n");
}

TEST(EventLog, ANameWithLineBreaksStaysOnItsLine)
{
    FakeServices services;
    services.arguments = "debug";
    DebugLog log(services);
    log.writeLog("Player 0:  Ann\r\nGame Ended:  now\r\n\r\n, Hat, Red, Human");
    log.writeLog("Game Ended:  06/12/2026 12:30:00\r\n\r\n");
    EXPECT_EQ(services.files.value("/opt/tycora/debug.txt"),
              QByteArray("Player 0:  AnnGame Ended:  now, Hat, Red, Human\r\n"
                         "Game Ended:  06/12/2026 12:30:00\r\n\r\n"));
}

} // namespace
} // namespace tycora::testing
