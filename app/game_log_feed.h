#pragma once

// The event log the whole program writes to. It is always on, so the game
// always builds its lines; it keeps every line of the present game for the
// Game Log window, hands each new one to whoever listens, and passes each
// on to debug.txt, which writes it only when the program was started with
// the word debug.

#include "game/event_log.h"

#include <functional>
#include <string>
#include <vector>

namespace tycora::app {

class GameLogFeed final : public EventLog {
public:
    explicit GameLogFeed(EventLog &file) : file_(file) {}

    bool isOn() const override { return true; }
    void writeLog(const std::string &message) override;

    const std::vector<std::string> &lines() const { return lines_; }
    // Lets go of the lines kept so far: a new game's Game Log begins with
    // that game's own lines, and a long session does not keep them all.
    void forgetLines() { std::vector<std::string>().swap(lines_); }
    // Puts the lines a saved game had written before those of this start,
    // for the Game Log of the loaded game; they are not written again.
    void putBefore(const std::vector<std::string> &earlier) { lines_.insert(lines_.begin(), earlier.begin(), earlier.end()); }
    void setListener(std::function<void(const std::string &)> listener) { listener_ = std::move(listener); }

private:
    EventLog &file_;
    std::vector<std::string> lines_;
    std::function<void(const std::string &)> listener_;
};

} // namespace tycora::app
