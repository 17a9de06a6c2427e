#pragma once

// Qt reaches the window system while the QApplication is being built, and a
// window system it cannot reach (no X server listening, a malformed display
// name, an unknown platform plugin, a server refusing more clients) is a
// fatal error there, which aborts the process with a core dump. While a
// DisplayGuard lives, Qt's messages are held back; a fatal one ends the
// program with a plain message and status 1 instead. When the guard goes,
// the messages it held are passed on as Qt would have printed them.

#include <QtGlobal>

namespace tycora::app {

class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace tycora::app
