#pragma once

// The event log: when the program was started with the word debug, every
// event line is appended to debug.txt in the program's folder. The file is
// opened and closed for each line, so it is never held open while the game
// waits for the player.

#include "game/event_log.h"
#include "toolkit/runtime_services.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace tycora::app {

// The word debug turns the log on: alone, between slashes, in any case and
// with blanks around it. Any other spelling ("-debug", "debug.txt") does not.
bool loggingRequested(const QString &commandLine);

// debug.txt in the given folder.
QString logFilePath(const QString &folder);

// The text without anything that could break a line or reorder it on
// screen: C0 controls (CR, LF, TAB, ...), DEL, C1 controls, the line and
// paragraph separators and the bidirectional controls are left out, and a
// byte that is not UTF-8 becomes U+FFFD. The pound sign and all other text
// stay as they are.
std::string withoutControls(std::string_view text);

// One line as written: the message without controls, then its own ending
// (CR LF, or CR LF twice after the end line), or CR LF when it has none.
QByteArray logLineBytes(const std::string &message);

class DebugLog final : public EventLog {
public:
    explicit DebugLog(ui::RuntimeServices &services) : services_(services) {}

    bool isOn() const override;
    void writeLog(const std::string &message) override;

private:
    ui::RuntimeServices &services_;
    bool problemReported_ = false;
};

} // namespace tycora::app
