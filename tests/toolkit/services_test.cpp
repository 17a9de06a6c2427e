#include "toolkit/art.h"
#include "toolkit/message_box.h"
#include "toolkit/runtime_services.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <optional>
#include <sys/file.h>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tycora::ui {
namespace {

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    int first = -1, second = -1;
    ASSERT_TRUE(takeInstanceLock(path, &first));
    EXPECT_FALSE(takeInstanceLock(path, &second));
    ::close(first);
    ASSERT_TRUE(takeInstanceLock(path, &second));
    ::close(second);
}

TEST(InstanceLock, AKilledCopyLeavesNoStaleLock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = -1;
        const char ok = takeInstanceLock(path, &fd) ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    int fd = -1;
    EXPECT_FALSE(takeInstanceLock(path, &fd));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(takeInstanceLock(path, &fd));
    ::close(fd);
    ::close(ready[0]);
    ::close(ready[1]);
}

// Sets environment variables for a test and puts them back afterwards.
class ScopedEnvironment {
public:
    void set(const char *name, const QByteArray &value)
    {
        keep(name);
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        keep(name);
        qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (const auto &[name, value] : saved_) {
            if (value)
                qputenv(name.c_str(), *value);
            else
                qunsetenv(name.c_str());
        }
    }

private:
    void keep(const char *name)
    {
        if (std::none_of(saved_.begin(), saved_.end(), [&](const auto &entry) { return entry.first == name; }))
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<QByteArray>>> saved_;
};

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Another user, for the tests that need one: only the superuser can hand a
// file to somebody else.
constexpr uid_t Nobody = 65534;
bool canActAsAnotherUser() { return ::geteuid() == 0; }

class LockPlace : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("home"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("run"));
        ::chmod(encoded(dir.filePath("run")).constData(), 0700);
        environment.set("HOME", encoded(dir.filePath("home")));
        environment.unset("XDG_CACHE_HOME");
        environment.unset("XDG_RUNTIME_DIR");
    }
    QString inHome() const { return dir.filePath("home/.cache/tycora/tycora.lock"); }

    QTemporaryDir dir;
    ScopedEnvironment environment;
};

TEST_F(LockPlace, ThePrivateRuntimeFolderOtherwiseAPrivateFolderInTheHome)
{
    environment.set("XDG_RUNTIME_DIR", encoded(dir.filePath("run")));
    EXPECT_EQ(SystemServices::defaultLockPath(), dir.filePath("run/tycora.lock"));
    // Without a runtime folder, never a shared folder such as /tmp, where
    // anybody could create the file first.
    environment.unset("XDG_RUNTIME_DIR");
    EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
    EXPECT_EQ(modeOf(dir.filePath("home/.cache/tycora")), 0700u);
    environment.set("XDG_CACHE_HOME", encoded(dir.filePath("cache")));
    EXPECT_EQ(SystemServices::defaultLockPath(), dir.filePath("cache/tycora/tycora.lock"));
    EXPECT_EQ(modeOf(dir.filePath("cache")), 0700u);
    // Relative names are not places.
    environment.set("XDG_CACHE_HOME", "cache");
    environment.set("XDG_RUNTIME_DIR", "run");
    EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
}

TEST_F(LockPlace, ARuntimeFolderOthersCanEnterOrThatIsALinkIsPassedOver)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("open"));
    ::chmod(encoded(dir.filePath("open")).constData(), 0755);
    environment.set("XDG_RUNTIME_DIR", encoded(dir.filePath("open")));
    EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
    EXPECT_EQ(modeOf(dir.filePath("open")), 0755u) << "the runtime folder is not the game's to change";
    ASSERT_TRUE(QFile::link(dir.filePath("run"), dir.filePath("link")));
    environment.set("XDG_RUNTIME_DIR", encoded(dir.filePath("link")));
    EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
    if (canActAsAnotherUser()) {
        ASSERT_EQ(::chown(encoded(dir.filePath("run")).constData(), Nobody, Nobody), 0);
        environment.set("XDG_RUNTIME_DIR", encoded(dir.filePath("run")));
        EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
    }
}

TEST_F(LockPlace, TheGamesOwnFolderIsMadePrivateAndAForeignOneIsNotUsed)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("home/.cache/tycora"));
    ::chmod(encoded(dir.filePath("home/.cache/tycora")).constData(), 0777);
    EXPECT_EQ(SystemServices::defaultLockPath(), inHome());
    EXPECT_EQ(modeOf(dir.filePath("home/.cache/tycora")), 0700u);
    if (!canActAsAnotherUser())
        GTEST_SKIP() << "no other user to hand the folder to";
    ASSERT_EQ(::chown(encoded(dir.filePath("home/.cache/tycora")).constData(), Nobody, Nobody), 0);
    EXPECT_EQ(SystemServices::defaultLockPath(), "") << "no lock rather than one in somebody else's folder";
    char program[] = "tycora";
    char *argv[] = {program, nullptr};
    SystemServices services(1, argv);
    EXPECT_FALSE(services.anotherCopyRunning()) << "and the game plays";
}

TEST(InstanceLock, ALinkAtTheLockIsNotFollowed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    {
        QFile target(dir.filePath("precious.txt"));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write("keep me");
    }
    ASSERT_TRUE(QFile::link(dir.filePath("precious.txt"), path));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere.txt"), dir.filePath("dangling.lock")));
    int fd = -1, other = -1;
    ASSERT_TRUE(takeInstanceLock(path, &fd));
    ASSERT_TRUE(takeInstanceLock(dir.filePath("dangling.lock"), &other));
    EXPECT_FALSE(QFileInfo(path).isSymLink()) << "the link made way for a file of the game's own";
    EXPECT_FALSE(QFile::exists(dir.filePath("nowhere.txt")));
    QFile target(dir.filePath("precious.txt"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "keep me");
    EXPECT_EQ(::flock(target.handle(), LOCK_EX | LOCK_NB), 0) << "the link's target is not what was locked";
    int second = -1;
    EXPECT_FALSE(takeInstanceLock(path, &second)) << "and the lock works as ever";
    ::close(fd);
    ::close(other);
}

TEST(InstanceLock, AFileOfAnotherUserHeldLockedDoesNotKeepTheGameFromStarting)
{
    if (!canActAsAnotherUser())
        GTEST_SKIP() << "no other user to hand the file to";
    QTemporaryDir dir;
    const QString path = dir.filePath("tycora.lock");
    QFile planted(path);
    ASSERT_TRUE(planted.open(QIODevice::ReadWrite));
    ASSERT_EQ(::fchown(planted.handle(), Nobody, Nobody), 0);
    ASSERT_EQ(::flock(planted.handle(), LOCK_EX | LOCK_NB), 0);
    int fd = -1;
    EXPECT_TRUE(takeInstanceLock(path, &fd));
    struct stat st {};
    ASSERT_EQ(::fstat(fd, &st), 0);
    EXPECT_EQ(st.st_uid, ::geteuid());
    ::close(fd);
}

TEST(SystemServices, CommandLineAndRandomAndFiles)
{
    char program[] = "tycora", a[] = "/fast", b[] = "Debug";
    char *argv[] = {program, a, b, nullptr};
    SystemServices services(3, argv);
    EXPECT_EQ(services.commandLine(), "/fast Debug");
    for (int i = 0; i < 1000; ++i) {
        const double r = services.random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(services.appendToFile(dir.filePath("x.txt"), "a\r\n", &error));
    EXPECT_TRUE(services.appendToFile(dir.filePath("x.txt"), "b\r\n", &error));
    QFile f(dir.filePath("x.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("a\r\nb\r\n"));
    EXPECT_FALSE(services.appendToFile(dir.filePath("missing/x.txt"), "a", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(localDateTimeText().isEmpty());
}

// Runs a step in a child process and returns what it reports, so that a
// step which blocks (or needs a mount namespace of its own) cannot take the
// test program with it. "(blocked)" when it does not end within the safety
// timeout; "(skip)" when the child exits with 77.
QByteArray inChild(const std::function<QByteArray()> &step)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const QByteArray report = step();
        (void)!::write(fds[1], report.constData(), static_cast<size_t>(report.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    pollfd ready{fds[0], POLLIN, 0};
    bool blocked = false;
    for (char buffer[256];;) {
        if (::poll(&ready, 1, 20000) <= 0) {
            blocked = true;
            break;
        }
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        report.append(buffer, n);
    }
    ::close(fds[0]);
    if (blocked)
        ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (blocked)
        return "(blocked)";
    return WIFEXITED(status) && WEXITSTATUS(status) == 77 ? QByteArray("(skip)") : report;
}

// The event log's file beside the program: only a regular file is written,
// never through a link and never by waiting, and a line goes in whole or
// not at all.
class AppendToFile : public ::testing::Test {
protected:
    QString path(const char *name = "debug.txt") const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray content(const char *name = "debug.txt") const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void write(const QByteArray &bytes, const char *name = "debug.txt") const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Appends and returns the reason of a failure, or "written".
    QString append(const QByteArray &bytes, const char *name = "debug.txt")
    {
        QString error;
        return services.appendToFile(path(name), bytes, &error) ? QStringLiteral("written") : error;
    }

    QTemporaryDir dir;
    char program_[7] = "tycora";
    char *argv_[2] = {program_, nullptr};
    SystemServices services{1, argv_};
};

TEST_F(AppendToFile, EntriesThatAreNotRegularFilesAreRefusedUnopened)
{
    // A named pipe with a reader: opening it would not even wait, yet it is
    // not written.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    const int reader = ::open(QFile::encodeName(path()).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(append("one\r\n"), "a named pipe, not a regular file");
    char byte = 0;
    EXPECT_EQ(::read(reader, &byte, 1), 0) << "nothing went into the pipe";
    ::close(reader);
    // And without a reader, where opening it for writing would block.
    EXPECT_EQ(inChild([this] { return append("one\r\n").toUtf8(); }), "a named pipe, not a regular file");

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_EQ(append("one\r\n", "folder"), "a folder, not a regular file");

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(path("socket"));
    ASSERT_LT(static_cast<std::size_t>(socketPath.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketPath.constData(), static_cast<std::size_t>(socketPath.size()));
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    EXPECT_EQ(append("one\r\n", "socket"), "a socket, not a regular file");
    ::close(sock);

    if (::mknod(QFile::encodeName(path("device")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        EXPECT_EQ(append("one\r\n", "device"), "a device, not a regular file");
    }
}

TEST_F(AppendToFile, SymbolicLinksAreNotFollowed)
{
    write("before\r\n", "target.txt");
    ASSERT_TRUE(QFile::link(path("target.txt"), path()));
    EXPECT_EQ(append("one\r\n"), "a symbolic link, which is not followed");
    EXPECT_EQ(content("target.txt"), "before\r\n");
    // A link to nowhere does not make its target appear.
    ASSERT_TRUE(QFile::link(path("nowhere.txt"), path("dangling.txt")));
    EXPECT_EQ(append("one\r\n", "dangling.txt"), "a symbolic link, which is not followed");
    EXPECT_FALSE(QFile::exists(path("nowhere.txt")));
}

TEST_F(AppendToFile, ALineBeyondTheSizeLimitIsLeftOutWhole)
{
    write("0123456789\r\n");
    // Room for 5 more bytes: a short write, then EFBIG (SIGXFSZ ignored, as
    // the program does).
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 17;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString result = append("Player 1:  Player 1, Dog , Red, Computer\r\n");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(result, "File too large");
    EXPECT_EQ(content(), "0123456789\r\n") << "no part of the line is left behind";
    EXPECT_EQ(append("next\r\n"), "written");
    EXPECT_EQ(content(), "0123456789\r\nnext\r\n");
}

TEST_F(AppendToFile, AFullDiskLeavesNoPartOfALineAndSaysSo)
{
    // A small file system of its own, in a mount namespace of a child
    // process; where the machine does not allow it, nothing to see.
    const QString mountPoint = path("disk");
    ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
    const QByteArray report = inChild([&]() -> QByteArray {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=8k") != 0)
            ::_exit(77);
        const QString file = mountPoint + QStringLiteral("/debug.txt");
        {
            QFile fill(file);
            if (!fill.open(QIODevice::WriteOnly))
                return "cannot fill";
            const QByteArray line(18, 'x');
            for (int i = 0; i < 8180 / 20; ++i)
                fill.write(line + "\r\n");
        }
        QString error;
        const bool ok = services.appendToFile(file, QByteArray(40, 'y') + "\r\n", &error);
        QFile check(file);
        check.open(QIODevice::ReadOnly);
        const QByteArray all = check.readAll();
        return (ok ? QByteArray("written") : error.toUtf8()) + '|' + QByteArray::number(all.size()) + '|' +
               all.right(2);
    });
    if (report == "(skip)")
        GTEST_SKIP() << "no small file system can be mounted here";
    // The 42 bytes found room for 12 before the disk was full; they are gone.
    EXPECT_EQ(report, "No space left on device|8180|\r\n");
}

TEST_F(AppendToFile, ALineAfterAnUnfinishedOneStartsOnItsOwn)
{
    write("Player 1:  Player ");
    EXPECT_EQ(append("Game Started:  now\r\n"), "written");
    EXPECT_EQ(content(), "Player 1:  Player \r\nGame Started:  now\r\n");
    write("half a line end\r");
    EXPECT_EQ(append("next\r\n"), "written");
    EXPECT_EQ(content(), "half a line end\r\nnext\r\n");
    EXPECT_EQ(append("and on\r\n"), "written");
    EXPECT_EQ(content(), "half a line end\r\nnext\r\nand on\r\n");
}

TEST(ScriptedMessageBoxes, RecordsAndAnswers)
{
    ScriptedMessageBoxes boxes;
    boxes.answers = {MsgAnswer::Yes};
    EXPECT_EQ(boxes.show(nullptr, "Sure?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(boxes.show(nullptr, "Sure?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    EXPECT_EQ(boxes.show(nullptr, "Not Done", MsgButtons::Ok, MsgIcon::Critical), MsgAnswer::Ok);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].title, "Tycora");
}

// Presses a key in the message box as soon as it is open, and notes what the
// box showed.
struct KeyInBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    void press(Qt::Key key)
    {
        QTimer::singleShot(0, [this, key] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QTest::keyClick(box, key);
        });
    }
};

TEST(QtMessageBoxes, QuestionsAnswerToYAndNAndOkToReturn)
{
    QtMessageBoxes boxes;
    KeyInBox user;
    user.press(Qt::Key_Y);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(user.title, "Tycora");
    EXPECT_EQ(user.text, "Buy it?");
    EXPECT_EQ(user.icon, QMessageBox::Question);
    user.press(Qt::Key_N);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    user.press(Qt::Key_Escape);
    EXPECT_EQ(boxes.show(nullptr, "Buy it?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No);
    user.press(Qt::Key_Return);
    EXPECT_EQ(boxes.show(nullptr, "Only 1 Tycora At A Time!", MsgButtons::Ok, MsgIcon::Exclamation), MsgAnswer::Ok);
    EXPECT_EQ(user.icon, QMessageBox::Warning);
}

TEST(Art, RendersCrispAtTwiceTheDensity)
{
    const Art disc("disc", QSize(14, 14), [](QPainter &p, const QRectF &r) {
        p.setBrush(Qt::blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(r);
    });
    const QImage one = disc.image(QSize(14, 14), 1.0);
    const QImage two = disc.image(QSize(14, 14), 2.0);
    EXPECT_EQ(one.size(), QSize(14, 14));
    EXPECT_EQ(two.size(), QSize(28, 28));
    EXPECT_EQ(two.pixelColor(14, 14), QColor(Qt::blue));
    EXPECT_EQ(two.pixelColor(0, 0).alpha(), 0);
    // Drawn anew at the higher density, not blown up from the small one.
    EXPECT_NE(two, one.scaled(28, 28));
}

} // namespace
} // namespace tycora::ui
