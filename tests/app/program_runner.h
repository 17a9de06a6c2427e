#pragma once

// Runs the real program as a separate process, as a user starts it from a
// shell: with its own environment, arguments and, where the event log or
// the lock matter, a copy of the program in a folder of its own.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

// Test failures show bytes as text.
inline void PrintTo(const QByteArray &bytes, std::ostream *os) { *os << '"' << bytes.toStdString() << '"'; }

namespace tycora::testing {

struct Outcome {
    bool exited = false;   // false when killed by a signal or never finished
    int status = -1;
    QByteArray out, err;
};

class ProgramRunner {
public:
    ProgramRunner();
    // Runs another program of the build instead of the game.
    explicit ProgramRunner(const QString &program);

    // The program under test, or its copy in folder() after placeCopy().
    QString program() const { return program_; }
    // A folder of the test's own, removed at the end.
    QString folder() const { return dir_.path(); }
    QString filePath(const QString &name) const { return dir_.filePath(name); }
    // Puts the program in folder(), so that its debug.txt goes there.
    bool placeCopy();

    // The environment the program gets: the test's own, on the offscreen
    // platform, with a private runtime folder so that the single-instance
    // lock is the test's alone.
    QProcessEnvironment environment;

    // Runs to the end, with an optional step in the child before exec
    // (resource limits, signal dispositions).
    Outcome run(const QStringList &arguments, const std::function<void()> &inChild = {});

    // Starts the program and leaves it running.
    void start(const QStringList &arguments, const std::function<void()> &inChild = {});
    // Sends a signal to the running program; false when it is not running.
    bool sendSignal(int signal);
    QProcess &process() { return process_; }
    // Waits until the running program's standard error holds a whole line
    // (false if it ends or stays silent until the safety timeout).
    bool waitForErrorLine(int timeoutMs = 30000);
    // Waits for the running program to end.
    Outcome finish();

private:
    QTemporaryDir dir_;
    QString program_;
    QProcess process_;
    QByteArray err_;
};

// Waits (on the kernel's file events, not on a timer) until the file exists
// and its content satisfies the condition; false after the safety timeout.
bool waitForFile(const QString &path, const std::function<bool(const QByteArray &)> &condition,
                 int timeoutMs = 30000);

QByteArray readFile(const QString &path);

} // namespace tycora::testing
