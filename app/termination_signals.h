#pragma once

// The signals that ask a program to stop (SIGTERM from a session's end or a
// kill, SIGHUP from a closed terminal, SIGINT from Ctrl+C) end the game the
// way closing its window does, so that the event log gets its end line.
//
// A signal handler may do almost nothing, so the handlers here only note the
// signal: for the windowed game they write a byte to a socket whose other
// end Qt's event loop watches, and the game is ended from there; for the
// headless simulation they set a flag that the simulation looks at between
// two steps of the game.

#include <QObject>

#include <csignal>
#include <functional>
#include <iterator>

class QSocketNotifier;

namespace tycora::app {

// The stop signals and their names, for messages.
inline constexpr int StopSignals[] = {SIGTERM, SIGHUP, SIGINT};
const char *stopSignalName(int signal);

// While it lives, a stop signal calls `stop` from the event loop (once; a
// later signal is left to the game's own guard against ending twice).
class StopSignalRelay final : public QObject {
public:
    explicit StopSignalRelay(std::function<void(int signal)> stop);
    ~StopSignalRelay() override;

private:
    void relay();

    std::function<void(int)> stop_;
    int sockets_[2] = {-1, -1};
    QSocketNotifier *notifier_ = nullptr;
    struct sigaction previous_[std::size(StopSignals)] = {};
};

// While it lives, a stop signal is only noted; received() tells which came
// first, or 0. A second stop signal ends the process at once.
class StopSignalFlag {
public:
    StopSignalFlag();
    ~StopSignalFlag();
    StopSignalFlag(const StopSignalFlag &) = delete;
    StopSignalFlag &operator=(const StopSignalFlag &) = delete;

    static int received();
    // While on, a stop signal also cuts short a system call that waits (the
    // opening of a named pipe that has no reader yet), which then fails with
    // EINTR, so that the program can look at the signal.
    void interruptWaits(bool on);

private:
    struct sigaction previous_[std::size(StopSignals)] = {};
};

// Writing to a file beyond the size limit (ulimit -f) kills the process
// unless SIGXFSZ is ignored; ignored, the write fails with EFBIG and the
// event log says so like any other failed write.
void ignoreFileSizeSignal();

} // namespace tycora::app
