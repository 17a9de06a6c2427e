#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tycora::app {

namespace {

volatile std::sig_atomic_t relayFd = -1;
volatile std::sig_atomic_t firstStopSignal = 0;

extern "C" void writeSignalByte(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (relayFd >= 0)
        (void)!::write(relayFd, &byte, 1);
    errno = saved;
}

// The first signal is noted; a second one, should the program not get to
// look at the first (stuck writing to a pipe nobody reads), ends it as the
// signal would have without a handler.
extern "C" void noteSignal(int signal)
{
    if (firstStopSignal == 0) {
        firstStopSignal = signal;
        return;
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void install(void (*handler)(int), struct sigaction (&previous)[std::size(StopSignals)], bool restart = true)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restart ? SA_RESTART : 0;
    for (std::size_t i = 0; i < std::size(StopSignals); ++i)
        ::sigaction(StopSignals[i], &action, &previous[i]);
}

void restore(const struct sigaction (&previous)[std::size(StopSignals)])
{
    for (std::size_t i = 0; i < std::size(StopSignals); ++i)
        ::sigaction(StopSignals[i], &previous[i], nullptr);
}

} // namespace

const char *stopSignalName(int signal)
{
    switch (signal) {
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    case SIGINT: return "SIGINT";
    default: return "a signal";
    }
}

StopSignalRelay::StopSignalRelay(std::function<void(int)> stop) : stop_(std::move(stop))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, sockets_) != 0)
        return;   // the signals keep their usual effect
    relayFd = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { relay(); });
    install(writeSignalByte, previous_);
}

StopSignalRelay::~StopSignalRelay()
{
    if (sockets_[0] < 0)
        return;
    restore(previous_);
    relayFd = -1;
    delete notifier_;
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void StopSignalRelay::relay()
{
    unsigned char bytes[16];
    const ssize_t n = ::read(sockets_[1], bytes, sizeof bytes);
    if (n > 0 && stop_)
        stop_(bytes[0]);
}

StopSignalFlag::StopSignalFlag()
{
    firstStopSignal = 0;
    install(noteSignal, previous_);
}

StopSignalFlag::~StopSignalFlag() { restore(previous_); }

int StopSignalFlag::received() { return firstStopSignal; }

void StopSignalFlag::interruptWaits(bool on)
{
    struct sigaction replaced[std::size(StopSignals)] = {};
    install(noteSignal, replaced, !on);
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace tycora::app
