#include "program_runner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tycora::testing {

ProgramRunner::ProgramRunner() : ProgramRunner(QStringLiteral(TYCORA_PROGRAM)) {}

ProgramRunner::ProgramRunner(const QString &program)
    : environment(QProcessEnvironment::systemEnvironment()), program_(program)
{
    const QString runtime = dir_.filePath(QStringLiteral("run"));
    ::mkdir(QFile::encodeName(runtime).constData(), 0700);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    // The autosave goes to a folder of the run's own.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir_.filePath(QStringLiteral("data")));
}

bool ProgramRunner::placeCopy()
{
    const QString copy = dir_.filePath(QStringLiteral("tycora"));
    // A hard link where the file system allows it: the program is large.
    if (::link(QFile::encodeName(program_).constData(), QFile::encodeName(copy).constData()) != 0 &&
        !QFile::copy(program_, copy))
        return false;
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    program_ = copy;
    return true;
}

void ProgramRunner::start(const QStringList &arguments, const std::function<void()> &inChild)
{
    err_.clear();
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(dir_.path());
    process_.setChildProcessModifier(inChild ? inChild : [] {});
    process_.start(program_, arguments);
    process_.closeWriteChannel();
    process_.waitForStarted();
}

bool ProgramRunner::sendSignal(int signal)
{
    // Never pid 0: that would be the test's own process group.
    const qint64 pid = process_.processId();
    return process_.state() == QProcess::Running && pid > 0 && ::kill(static_cast<pid_t>(pid), signal) == 0;
}

bool ProgramRunner::waitForErrorLine(int timeoutMs)
{
    process_.setReadChannel(QProcess::StandardError);
    QElapsedTimer timer;
    timer.start();
    while (!err_.contains('\n')) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0 || !process_.waitForReadyRead(static_cast<int>(left)))
            return false;
        err_ += process_.readAllStandardError();
    }
    return true;
}

Outcome ProgramRunner::finish()
{
    Outcome outcome;
    if (!process_.waitForFinished(120000)) {
        process_.kill();
        process_.waitForFinished();
        return outcome;
    }
    outcome.exited = process_.exitStatus() == QProcess::NormalExit;
    outcome.status = process_.exitCode();
    outcome.out = process_.readAllStandardOutput();
    outcome.err = err_ + process_.readAllStandardError();
    err_.clear();
    return outcome;
}

Outcome ProgramRunner::run(const QStringList &arguments, const std::function<void()> &inChild)
{
    start(arguments, inChild);
    return finish();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool waitForFile(const QString &path, const std::function<bool(const QByteArray &)> &condition, int timeoutMs)
{
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0)
        return false;
    ::inotify_add_watch(watch, QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                        IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO);
    QElapsedTimer timer;
    timer.start();
    bool met = false;
    while (!(met = QFileInfo::exists(path) && condition(readFile(path)))) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            break;
        pollfd events{watch, POLLIN, 0};
        if (::poll(&events, 1, static_cast<int>(left)) > 0) {
            char buffer[4096];
            while (::read(watch, buffer, sizeof buffer) > 0) {
            }
        }
    }
    ::close(watch);
    return met;
}

} // namespace tycora::testing
