#pragma once

// Timers that tick on the one game thread, driven by a Clock. The program
// drives them from Qt's event loop; tests and the headless simulation drive
// them from a ManualClock, so a whole game runs without waiting.

#include <functional>

namespace tycora {

class Clock;

class Timer {
public:
    using Handler = std::function<void()>;

    Timer(Clock &clock, int intervalMs, Handler onTick = {});
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    bool enabled() const { return enabled_; }
    // Enabling a disabled timer schedules its first tick one interval from
    // now; enabling an enabled timer changes nothing.
    void setEnabled(bool on);

    int interval() const { return interval_; }
    void setInterval(int ms);

    void setHandler(Handler onTick) { onTick_ = std::move(onTick); }

    // Called by the clock when the timer is due.
    void fire();

private:
    Clock &clock_;
    int interval_;
    bool enabled_ = false;
    Handler onTick_;
};

class Clock {
public:
    virtual ~Clock() = default;

    // While held, no timer ticks and no time passes for the timers: the game
    // stands still, e.g. while the quit question is open.
    virtual void hold() = 0;
    virtual void release() = 0;
    virtual bool held() const = 0;

protected:
    friend class Timer;
    virtual void timerStarted(Timer &timer) = 0;  // enabled, or interval changed while enabled
    virtual void timerStopped(Timer &timer) = 0;
    virtual void timerDestroyed(Timer &timer) = 0;
};

} // namespace tycora
