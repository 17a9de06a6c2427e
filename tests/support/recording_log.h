#pragma once

#include "game/event_log.h"

#include <string>
#include <vector>

namespace tycora::testing {

class RecordingLog : public EventLog {
public:
    std::vector<std::string> lines;
    bool on = true;
    bool isOn() const override { return on; }
    void writeLog(const std::string &message) override { lines.push_back(message); }
};

} // namespace tycora::testing
