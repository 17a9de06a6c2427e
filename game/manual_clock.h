#pragma once

// A clock that only moves when told to. Ticks fire in time order; timers due
// at the same moment fire in the order they were scheduled. A tick handler
// may enable or disable any timer, including its own.

#include "game/timer.h"

#include <cstdint>
#include <vector>

namespace tycora {

class ManualClock final : public Clock {
public:
    using Millis = std::int64_t;

    Millis now() const { return now_; }

    // Moves time forward by ms, firing every tick that falls due on the way.
    void advance(Millis ms);

    // Jumps to the next due tick and fires it. False when no timer is enabled
    // (or the clock is held): nothing would ever happen.
    bool advanceToNextTick();

    // When the next tick would fire, if any.
    bool nextDue(Millis &when) const;

    void hold() override { ++holds_; }
    void release() override
    {
        if (holds_ > 0)
            --holds_;
    }
    bool held() const override { return holds_ > 0; }

protected:
    void timerStarted(Timer &timer) override;
    void timerStopped(Timer &timer) override;
    void timerDestroyed(Timer &timer) override;

private:
    struct Entry {
        Timer *timer;
        Millis due;
        std::uint64_t order;
    };
    // The entry due first; among those due together, the first scheduled.
    std::vector<Entry>::const_iterator earliest() const;
    Entry *earliest();
    void fire(Entry *entry);
    void remove(Timer &timer);

    std::vector<Entry> scheduled_;
    Millis now_ = 0;
    std::uint64_t nextOrder_ = 0;
    int holds_ = 0;
    bool firing_ = false;
};

} // namespace tycora
