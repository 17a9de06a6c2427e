#include "toolkit/runtime_services.h"

#include "game/dice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tycora::ui {

struct SystemServices::Random {
    SeededRandom generator;
};

namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

QString joinArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args.join(QLatin1Char(' '));
}

} // namespace

QString localDateTimeText()
{
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    // The long time form may name the time zone; the log wants the time only.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t')).replace(QLatin1String("  "), QLatin1String(" "));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed());
}

namespace lines {

std::string_view freshLinePrefix(int fd)
{
    struct stat st {};
    char last = '\n';
    if (::fstat(fd, &st) != 0 || st.st_size == 0 || ::pread(fd, &last, 1, st.st_size - 1) != 1)
        return {};
    return last == '\n' ? std::string_view() : last == '\r' ? std::string_view("\n") : std::string_view("\r\n");
}

int appendWhole(int fd, std::string_view bytes)
{
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        const int failure = n < 0 ? errno : EIO;
        // With O_APPEND the bytes began at the size the file had before.
        if (regular && done > 0)
            (void)!::ftruncate(fd, st.st_size);
        return failure;
    }
    return 0;
}

QString notARegularFile(unsigned mode)
{
    const char *kind = S_ISDIR(mode)                        ? "a folder"
                       : S_ISFIFO(mode)                     ? "a named pipe"
                       : S_ISCHR(mode) || S_ISBLK(mode)     ? "a device"
                       : S_ISSOCK(mode)                     ? "a socket"
                                                            : "something else";
    return QStringLiteral("%1, not a regular file").arg(QLatin1String(kind));
}

} // namespace lines

namespace {

// Opens the lock file at path as this user's own regular file, never
// through a symbolic link; anything else found there (a link, a file of
// another user, a pipe) is removed and a fresh file made in its place.
// -1 when that cannot be done.
int openOwnLockFile(const QByteArray &path)
{
    constexpr int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), flags | O_CREAT | (attempt ? O_EXCL : 0), 0600);
        if (fd >= 0) {
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
                return fd;
            ::close(fd);
        } else if (errno != ELOOP && errno != EEXIST && errno != EACCES && errno != EPERM) {
            return -1;
        }
        if (attempt > 0 || (::unlink(path.constData()) != 0 && errno != ENOENT))
            return -1;
    }
    return -1;
}

// A folder only this user can write to: a real folder (not a link to one),
// the user's own, with no access for anyone else. A folder of the user's
// own with wider access is narrowed first when `narrow` is set.
bool isPrivateFolder(const QByteArray &path, bool narrow)
{
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 077) == 0)
        return true;
    return narrow && ::chmod(path.constData(), 0700) == 0 && ::lstat(path.constData(), &st) == 0 &&
           (st.st_mode & 077) == 0;
}

QByteArray absoluteFromEnvironment(const char *name)
{
    const QByteArray value = qgetenv(name);
    return value.startsWith('/') ? value : QByteArray();
}

} // namespace

bool takeInstanceLock(const QString &path, int *fd)
{
    if (path.isEmpty())
        return true;   // no private place for a lock: do not stop the player from playing
    const int f = openOwnLockFile(QFile::encodeName(path));
    if (f < 0)
        return true;   // likewise
    if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
        ::close(f);
        return false;
    }
    *fd = f;
    return true;
}

SystemServices::SystemServices(int argc, char **argv)
    : commandLine_(joinArguments(argc, argv)), random_(std::make_unique<Random>(Random{SeededRandom(clockSeed())}))
{
}

SystemServices::~SystemServices()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

QString SystemServices::defaultLockPath()
{
    // The runtime folder, when it is really the user's own and private.
    if (const QByteArray runtime = absoluteFromEnvironment("XDG_RUNTIME_DIR");
        !runtime.isEmpty() && isPrivateFolder(runtime, false))
        return QFile::decodeName(runtime) + QStringLiteral("/tycora.lock");
    // Otherwise a folder of the game's own in the user's cache folder.
    QByteArray cache = absoluteFromEnvironment("XDG_CACHE_HOME");
    if (cache.isEmpty()) {
        QByteArray home = absoluteFromEnvironment("HOME");
        if (home.isEmpty()) {
            if (const passwd *user = ::getpwuid(::geteuid()); user && user->pw_dir)
                home = user->pw_dir;
        }
        if (home.isEmpty())
            return {};
        ::mkdir(home.constData(), 0700);
        cache = home + "/.cache";
    }
    ::mkdir(cache.constData(), 0700);
    const QByteArray folder = cache + "/tycora";
    ::mkdir(folder.constData(), 0700);
    if (!isPrivateFolder(folder, true))
        return {};
    return QFile::decodeName(folder) + QStringLiteral("/tycora.lock");
}

bool SystemServices::anotherCopyRunning()
{
    if (lockFd_ >= 0)
        return false;
    if (!lockPath_)
        lockPath_ = defaultLockPath();
    return !takeInstanceLock(*lockPath_, &lockFd_);
}

QString SystemServices::programFolder() const { return QCoreApplication::applicationDirPath(); }

QString SystemServices::commandLine() const { return commandLine_; }

QString SystemServices::dateTimeText() const { return localDateTimeText(); }

double SystemServices::random() { return random_->generator.next(); }

std::optional<RuntimeServices::RandomPosition> SystemServices::randomPosition() const
{
    return RandomPosition{random_->generator.seed(), random_->generator.draws()};
}

bool SystemServices::appendToFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray name = QFile::encodeName(path);
    // Anything but a regular file is left alone without being opened:
    // opening a named pipe would wait for a reader, a device may act on it.
    struct stat entry {};
    if (::lstat(name.constData(), &entry) == 0) {
        if (S_ISLNK(entry.st_mode))
            return fail(QStringLiteral("a symbolic link, which is not followed"));
        if (!S_ISREG(entry.st_mode))
            return fail(lines::notARegularFile(entry.st_mode));
    }
    // The same checks on what was opened, in case the entry changed in
    // between; read access, where there is some, shows how the file ends.
    constexpr int flags = O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(name.constData(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(name.constData(), O_WRONLY | flags, 0666);
    if (fd < 0) {
        return fail(errno == ELOOP ? QStringLiteral("a symbolic link, which is not followed")
                                   : QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return fail(lines::notARegularFile(opened.st_mode));
    }
    std::string whole(lines::freshLinePrefix(fd));
    whole.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    int failure = lines::appendWhole(fd, whole);
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    return failure == 0 || fail(QString::fromLocal8Bit(std::strerror(failure)));
}

void SystemServices::reportProblem(const QString &text)
{
    std::fprintf(stderr, "tycora: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void SystemServices::endProcess(int exitCode)
{
    std::fflush(nullptr);
#if defined(TYCORA_SANITIZE) || defined(__SANITIZE_ADDRESS__)
    // The sanitizer build leaves the event loop instead, so that main()
    // returns, every window is destroyed and the leak check runs at exit:
    // a window that leaks then fails the run. Queued, so that it also ends
    // a loop that has not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
#else
    std::_Exit(exitCode);
#endif
}

} // namespace tycora::ui
