#include "ui/toolkit/runtime_services.h"

#include "game/dice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
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

bool takeInstanceLock(const QString &path, int *fd)
{
    const QByteArray file = QFile::encodeName(path);
    const int f = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (f < 0)
        return true;   // no lock file possible: do not stop the player from playing
    if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
        ::close(f);
        return false;
    }
    *fd = f;
    return true;
}

SystemServices::SystemServices(int argc, char **argv)
    : commandLine_(joinArguments(argc, argv)), lockPath_(defaultLockPath()),
      random_(std::make_unique<Random>(Random{SeededRandom(clockSeed())}))
{
}

SystemServices::~SystemServices()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

QString SystemServices::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tycora-%1.lock").arg(::getuid());
}

bool SystemServices::anotherCopyRunning()
{
    if (lockFd_ >= 0)
        return false;
    return !takeInstanceLock(lockPath_, &lockFd_);
}

QString SystemServices::programFolder() const { return QCoreApplication::applicationDirPath(); }

QString SystemServices::commandLine() const { return commandLine_; }

QString SystemServices::dateTimeText() const { return localDateTimeText(); }

double SystemServices::random() { return random_->generator.next(); }

bool SystemServices::appendToFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written && error)
        *error = file.errorString();
    file.close();
    return written;
}

void SystemServices::reportProblem(const QString &text)
{
    std::fprintf(stderr, "tycora: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void SystemServices::endProcess(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace tycora::ui
