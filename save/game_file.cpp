#include "save/game_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tycora::save {

namespace {

QString cannotLoad(const QString &path, const QString &problem)
{
    return "\"" + path + "\" cannot be loaded: " + problem + ".";
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString realFolderOf(const QString &path)
{
    return QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
}

} // namespace

QString readFileBytes(const QString &path, QByteArray &bytes)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0)
        return errno == ENOENT ? QString("there is no such file") : "it cannot be read: " + systemError(errno);
    if (S_ISLNK(st.st_mode)) {
        // A link to a saved game beside it is fine; one that leads elsewhere
        // is not followed.
        const QString target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            return "it is a link to nothing";
        if (realFolderOf(target) != realFolderOf(path))
            return "it is a link to a file in another folder";
    }
    // Not blocking: a named pipe put in the file's place must not hang us.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return "it cannot be opened: " + systemError(errno);
    QString problem;
    if (::fstat(fd, &st) != 0)
        problem = "it cannot be read: " + systemError(errno);
    else if (S_ISDIR(st.st_mode))
        problem = "it is a folder";
    else if (!S_ISREG(st.st_mode))
        problem = "it is not a regular file";
    else if (st.st_size > MaxFileSize)
        problem = "it is larger than " + QString::number(MaxFileSize / (1024 * 1024)) + " MB";
    if (problem.isEmpty()) {
        bytes.resize(static_cast<qsizetype>(st.st_size));
        qsizetype got = 0;
        // Read one byte past the size seen, to notice a file that grows.
        while (problem.isEmpty() && got <= MaxFileSize) {
            if (got == bytes.size())
                bytes.resize(got + 64 * 1024);
            const ssize_t n = ::read(fd, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                problem = "it cannot be read: " + systemError(errno);
            else if (n == 0)
                break;
            else
                got += n;
        }
        bytes.resize(std::min(got, bytes.size()));
        if (problem.isEmpty() && got > MaxFileSize)
            problem = "it is larger than " + QString::number(MaxFileSize / (1024 * 1024)) + " MB";
    }
    ::close(fd);
    return problem;
}

LoadedGame loadGameFile(const QString &path)
{
    LoadedGame loaded;
    QByteArray bytes;
    if (const QString problem = readFileBytes(path, bytes); !problem.isEmpty()) {
        loaded.error = cannotLoad(path, problem);
        return loaded;
    }
    ReadGame read = readGameDocument(bytes);
    if (!read.problem.isEmpty()) {
        loaded.error = cannotLoad(path, read.problem);
        return loaded;
    }
    loaded.game = std::move(read.game);
    loaded.provenance = read.provenance;
    return loaded;
}

QString saveGameFile(const QString &path, const SavedGame &game, const Provenance &provenance)
{
    return writeFileBytes(path, gameDocument(game, provenance));
}

QString writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const auto failed = [&](const QString &why) {
        file.cancelWriting();
        return "\"" + path + "\" could not be written (" + why + "); the file as it was is kept.";
    };
    // A link would carry the game to wherever it points.
    if (QFileInfo(path).isSymLink())
        return "\"" + path + "\" could not be written (it is a symbolic link); nothing was changed.";
    // Unbuffered, so that a short write (a full disk, a size limit) shows
    // here; a buffered one can be cut short in commit() unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size())
        return failed(file.error() == QFileDevice::NoError ? QStringLiteral("the disk took only part of it") : file.errorString());
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

Provenance currentProvenance(const QString &programVersion)
{
    return {"tycora " + programVersion, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)};
}

} // namespace tycora::save
