#include "app/settings_file.h"

#include "toolkit/runtime_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tycora::app {

namespace {

// How long a save waits for the lock before it gives up: long enough for
// another copy of the game to finish its own save, short enough that a
// lock nobody lets go of never holds up the game.
constexpr int LockWaitMs = 250;

const QString NotFollowed = QStringLiteral("a symbolic link, which is not followed");

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// An open descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Why an entry that should be a folder is not used.
QString folderProblem(const QByteArray &folder, int error)
{
    struct stat st {};
    if (::lstat(folder.constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode))
            return QStringLiteral("its folder is ") + NotFollowed;
        if (!S_ISDIR(st.st_mode)) {
            // "a named pipe, not a regular file" names the kind first.
            const QString kind = ui::lines::notARegularFile(st.st_mode).section(QLatin1Char(','), 0, 0);
            return QStringLiteral("its folder is %1, not a folder").arg(kind);
        }
    }
    return systemError(error);
}

// The settings file's folder, opened as a real folder (not a link to one).
// Missing: an invalid descriptor and no problem.
int openFolder(const QByteArray &folder, QString *problem)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT)
        *problem = folderProblem(folder, errno);
    return fd;
}

// Why the entry `name` in the folder is not a file to use; empty when it is
// a regular file or missing (then *exists is false).
QString entryProblem(int folder, const QByteArray &name, bool *exists = nullptr, struct stat *found = nullptr)
{
    struct stat st {};
    const bool there = ::fstatat(folder, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists)
        *exists = there;
    if (!there)
        return errno == ENOENT ? QString() : systemError(errno);
    if (found)
        *found = st;
    if (S_ISLNK(st.st_mode))
        return NotFollowed;
    if (!S_ISREG(st.st_mode))
        return ui::lines::notARegularFile(st.st_mode);
    return {};
}

QString tooLarge() { return QStringLiteral("larger than %1 KB").arg(MaxSettingsFileSize / 1024); }

// Why the lock could not be taken.
QString lockProblem(const QString &lockPath, const QLockFile &lock)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return QStringLiteral("its lock file is ") +
               (S_ISLNK(st.st_mode) ? NotFollowed : ui::lines::notARegularFile(st.st_mode));
    return lock.error() == QLockFile::LockFailedError ? QStringLiteral("its lock file is held by another program")
                                                      : QStringLiteral("its lock file cannot be made");
}

bool writeNewFile(int folder, const QByteArray &name, const QByteArray &bytes, mode_t mode, QString *problem)
{
    const Descriptor fd(::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        *problem = systemError(errno);
        return false;
    }
    if (mode != 0)
        (void)::fchmod(fd.get(), mode);
    const int failure = ui::lines::appendWhole(fd.get(), std::string_view(bytes.constData(), bytes.size()));
    if (failure != 0) {
        *problem = systemError(failure);
        return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> readSettingsFile(const QString &path, QString *problem)
{
    QString why;
    const QFileInfo info(path);
    const Descriptor folder(openFolder(QFile::encodeName(info.path()), &why));
    const QByteArray name = QFile::encodeName(info.fileName());
    // Nothing but a regular file is opened: a device may act on being
    // opened. Without blocking, so that a pipe put there since never waits.
    if (folder.valid() && (why = entryProblem(folder.get(), name)).isEmpty()) {
        constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        const Descriptor fd(::openat(folder.get(), name.constData(), flags));
        struct stat st {};
        if (!fd.valid()) {
            if (errno != ENOENT)
                why = errno == ELOOP ? NotFollowed : systemError(errno);
        } else if (::fstat(fd.get(), &st) != 0) {
            why = systemError(errno);
        } else if (!S_ISREG(st.st_mode)) {
            why = ui::lines::notARegularFile(st.st_mode);
        } else if (st.st_size > MaxSettingsFileSize) {
            why = tooLarge();
        } else {
            // Read to one byte past the limit, in case the file grew.
            QByteArray bytes(MaxSettingsFileSize + 1, Qt::Uninitialized);
            qsizetype done = 0;
            while (done < bytes.size()) {
                const ssize_t n = ::read(fd.get(), bytes.data() + done, static_cast<size_t>(bytes.size() - done));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    why = systemError(errno);
                    break;
                }
                if (n == 0)
                    break;
                done += n;
            }
            if (why.isEmpty() && done > MaxSettingsFileSize)
                why = tooLarge();
            if (why.isEmpty()) {
                bytes.truncate(done);
                return bytes;
            }
        }
    }
    if (problem)
        *problem = why;
    return std::nullopt;
}

bool replaceSettingsFile(const QString &path, const QByteArray &bytes, QString *problem)
{
    QString why;
    const auto fail = [&] {
        if (problem)
            *problem = why;
        return false;
    };
    const QFileInfo info(path);
    const QByteArray folderPath = QFile::encodeName(info.path());
    // The folders above the settings' own may be links (a linked ~/.config);
    // the settings' own folder is made here when missing.
    QDir().mkpath(QFileInfo(info.path()).path());
    if (::mkdir(folderPath.constData(), 0777) != 0 && errno != EEXIST) {
        why = systemError(errno);
        return fail();
    }
    const Descriptor folder(openFolder(folderPath, &why));
    if (!folder.valid()) {
        if (why.isEmpty())
            why = systemError(ENOENT);
        return fail();
    }
    const QByteArray name = QFile::encodeName(info.fileName());
    if (!(why = entryProblem(folder.get(), name)).isEmpty())
        return fail();

    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lock.tryLock(LockWaitMs)) {
        why = lockProblem(lockPath, lock);
        return fail();
    }
    // Looked at again under the lock; the new file keeps the old one's
    // permissions.
    bool exists = false;
    struct stat old {};
    if (!(why = entryProblem(folder.get(), name, &exists, &old)).isEmpty())
        return fail();
    QByteArray newName;
    for (int attempt = 0; attempt < 8 && newName.isEmpty(); ++attempt) {
        const QByteArray candidate = name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        if (::faccessat(folder.get(), candidate.constData(), F_OK, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
            newName = candidate;
    }
    if (newName.isEmpty() || !writeNewFile(folder.get(), newName, bytes, exists ? old.st_mode & 07777 : 0, &why)) {
        if (why.isEmpty())
            why = systemError(EEXIST);
        if (!newName.isEmpty())
            ::unlinkat(folder.get(), newName.constData(), 0);
        return fail();
    }
    // Renaming replaces the entry itself, never what a link there points to.
    if (::renameat(folder.get(), newName.constData(), folder.get(), name.constData()) != 0) {
        why = systemError(errno);
        ::unlinkat(folder.get(), newName.constData(), 0);
        return fail();
    }
    return true;
}

} // namespace tycora::app
