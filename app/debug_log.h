#pragma once

// The event log: when the program was started with the word debug, every
// event line is appended to debug.txt in the program's folder. The file is
// opened and closed for each line, so it is never held open while the game
// waits for the player.

#include "game/event_log.h"
#include "ui/toolkit/runtime_services.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace tycora::app {

// The word debug turns the log on: alone, between slashes, in any case and
// with blanks around it. Any other spelling ("-debug", "debug.txt") does not.
bool loggingRequested(const QString &commandLine);

// debug.txt in the given folder.
QString logFilePath(const QString &folder);

// One line as written: the message and CR LF, unless it already ends so.
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
