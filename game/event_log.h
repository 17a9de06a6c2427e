#pragma once

// Where the engine writes its event lines. The program appends them to
// debug.txt when started with the word debug; the simulation to a file of
// its choosing.

#include <string>

namespace tycora {

class EventLog {
public:
    virtual ~EventLog() = default;
    // False when nothing would be written: callers may skip building lines.
    virtual bool isOn() const = 0;
    virtual void writeLog(const std::string &message) = 0;
};

class NoEventLog final : public EventLog {
public:
    bool isOn() const override { return false; }
    void writeLog(const std::string &) override {}
};

} // namespace tycora
