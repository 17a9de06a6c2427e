// The settings file is whatever a user or another program left at its
// place. Only a regular file in a real folder is read or replaced: a link
// is never written through nor replaced, a named pipe, device or folder is
// left alone, a file over 64 KB is not read, and a lock nobody lets go of
// is given up after a short wait. The game says so once and plays on.

#include "app/application.h"
#include "app/game_settings.h"
#include "app/settings_file.h"
#include "game/manual_clock.h"
#include "tests/support/fake_services.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/message_box.h"
#include "support/find_control.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tycora::app {
namespace {

const GameChoices Fast{{}, Pace::Fast};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// What stands at the settings file's place, and why it is refused.
struct Refused {
    const char *what;
    std::function<void(const QTemporaryDir &, const QString &file)> make;
    QString reason;
};

const Refused RefusedEntries[] = {
    {"a link to a file",
     [](const QTemporaryDir &dir, const QString &file) {
         writeFile(dir.filePath("target.txt"), "mine\n");
         ASSERT_TRUE(QFile::link(dir.filePath("target.txt"), file));
     },
     QStringLiteral("a symbolic link, which is not followed")},
    {"a link to nothing yet",
     [](const QTemporaryDir &dir, const QString &file) { ASSERT_TRUE(QFile::link(dir.filePath("made.txt"), file)); },
     QStringLiteral("a symbolic link, which is not followed")},
    {"a named pipe",
     [](const QTemporaryDir &, const QString &file) {
         ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
     },
     QStringLiteral("a named pipe, not a regular file")},
    {"a device",
     [](const QTemporaryDir &, const QString &file) {
         ASSERT_EQ(::mknod(QFile::encodeName(file).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
     },
     QStringLiteral("a device, not a regular file")},
    {"a folder", [](const QTemporaryDir &, const QString &file) { ASSERT_TRUE(QDir().mkpath(file)); },
     QStringLiteral("a folder, not a regular file")},
    {"a link to the settings' folder",
     [](const QTemporaryDir &dir, const QString &file) {
         ASSERT_TRUE(QDir().rmdir(QFileInfo(file).path()));
         ASSERT_TRUE(QDir().mkpath(dir.filePath("real")));
         ASSERT_TRUE(QFile::link(dir.filePath("real"), QFileInfo(file).path()));
     },
     QStringLiteral("its folder is a symbolic link, which is not followed")},
};

// Everything in the temporary folder, links not followed, with contents.
QStringList everything(const QTemporaryDir &dir)
{
    QStringList found;
    QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    std::function<void(const QString &)> walk = [&](const QString &path) {
        for (const QFileInfo &entry : QDir(path).entryInfoList(filters, QDir::Name)) {
            QString line = QDir(dir.path()).relativeFilePath(entry.filePath());
            if (entry.isSymLink())
                line += " -> " + entry.symLinkTarget();
            else if (entry.isDir())
                walk(entry.filePath());
            else if (entry.isFile())
                line += " = " + QString::fromUtf8(contents(entry.filePath()));
            found << line;
        }
    };
    walk(dir.path());
    return found;
}

TEST(SettingsFile, NothingButARegularFileInARealFolderIsReadOrReplaced)
{
    for (const Refused &entry : RefusedEntries) {
        SCOPED_TRACE(entry.what);
        // Only the superuser may make a device file.
        if (QByteArray(entry.what) == "a device" && ::geteuid() != 0)
            continue;
        QTemporaryDir dir;
        const QString file = dir.filePath("Tycora/Tycora.ini");
        ASSERT_TRUE(QDir().mkpath(dir.filePath("Tycora")));
        entry.make(dir, file);
        const QStringList before = everything(dir);

        QString problem;
        EXPECT_EQ(loadChoices(file, &problem), GameChoices{});
        EXPECT_EQ(problem, entry.reason);
        problem.clear();
        EXPECT_FALSE(saveChoices(file, Fast, &problem));
        EXPECT_EQ(problem, entry.reason);
        EXPECT_EQ(everything(dir), before) << "nothing written, made or replaced";
    }
}

TEST(SettingsFile, AFileOver64KBIsNotRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Tycora.ini");
    const QByteArray choices = "[Game]\nPace=Fast\n";
    // A comment fills the file up to the limit, then one byte more.
    QByteArray text = choices + ';' + QByteArray(MaxSettingsFileSize - choices.size() - 2, 'x') + '\n';
    ASSERT_EQ(text.size(), MaxSettingsFileSize);
    writeFile(file, text);
    QString problem;
    EXPECT_EQ(loadChoices(file, &problem), Fast);
    EXPECT_EQ(problem, "");

    writeFile(file, text + '\n');
    EXPECT_EQ(loadChoices(file, &problem), GameChoices{});
    EXPECT_EQ(problem, "larger than 64 KB");
    // Saving replaces it with a file of the choices.
    ASSERT_TRUE(saveChoices(file, Fast));
    EXPECT_EQ(loadChoices(file, &problem), Fast);
    EXPECT_EQ(contents(file).toStdString(), "[Game]\nDoubleGoSalary=false\nFirstRoundBuying=true\n"
                                                 "FreeParkingPot=false\nPace=Fast\nRules=Classic\n");
}

TEST(SettingsFile, ALockHeldElsewhereIsGivenUp)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Tycora.ini");
    writeFile(file, "[Game]\nPace=Instant\n");
    {
        // Held by a live process: this one.
        QLockFile lock(file + ".lock");
        ASSERT_TRUE(lock.tryLock());
        QString problem;
        EXPECT_FALSE(saveChoices(file, Fast, &problem));
        EXPECT_EQ(problem, "its lock file is held by another program");
    }
    ASSERT_TRUE(QDir().mkpath(file + ".lock"));
    QString problem;
    EXPECT_FALSE(saveChoices(file, Fast, &problem));
    EXPECT_EQ(problem, "its lock file is a folder, not a regular file");
    EXPECT_EQ(loadChoices(file).pace, Pace::Instant) << "the file as it was";
}

// The program with its windows, on settings that cannot be kept.
class UnkeptSettings : public ::testing::Test {
protected:
    void TearDown() override
    {
        game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Runs the program to the board with two players, then presses P.
    void playAndChangeThePace()
    {
        game = std::make_unique<Application>(services, boxes, clock);
        game->setSettingsFile(file);
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
        tools::enterPlayer(*game->frmPlayers(), "Ann", "Hat", "Red", "Human");
        tools::enterPlayer(*game->frmPlayers(), "Ben", "Car ", "Blue", "Computer");
        QTest::mouseClick(testing::control<ui::CommandButton>(*game->frmPlayers(), "cmdNext"), Qt::LeftButton);
        ASSERT_TRUE(game->frmMain()->isVisible()) << "the game goes on at Next";
        game->frmMain()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(game->frmMain()));
        QTest::keyClick(game->frmMain(), Qt::Key_P);
        EXPECT_EQ(game->engine()->pace(), Pace::Fast) << "and the P key changes the pace";
    }

    QTemporaryDir dir;
    const QString file = dir.filePath("Tycora/Tycora.ini");
    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(UnkeptSettings, ALinkIsNotWrittenThroughAndTheGameSaysSoOnce)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Tycora")));
    writeFile(dir.filePath("target.txt"), "mine\n");
    ASSERT_TRUE(QFile::link(dir.filePath("target.txt"), file));
    ASSERT_NO_FATAL_FAILURE(playAndChangeThePace());
    EXPECT_EQ(contents(dir.filePath("target.txt")), "mine\n");
    EXPECT_EQ(QFileInfo(file).symLinkTarget(), dir.filePath("target.txt"));
    EXPECT_EQ(services.problems,
              QStringList{"cannot read the settings " + file +
                          " (a symbolic link, which is not followed); the game offers the usual choices."});
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UnkeptSettings, AStuckLockHoldsUpNeitherNextNorP)
{
    ASSERT_TRUE(QDir().mkpath(file + ".lock"));
    ASSERT_NO_FATAL_FAILURE(playAndChangeThePace());
    EXPECT_EQ(services.problems, QStringList{"cannot write the settings " + file +
                                             " (its lock file is a folder, not a regular file); the game goes on "
                                             "without keeping its choices."});
    EXPECT_FALSE(QFileInfo::exists(file));
}

} // namespace
} // namespace tycora::app
