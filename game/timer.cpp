#include "game/timer.h"

namespace tycora {

Timer::Timer(Clock &clock, int intervalMs, Handler onTick)
    : clock_(clock), interval_(intervalMs), onTick_(std::move(onTick))
{
}

Timer::~Timer() { clock_.timerDestroyed(*this); }

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
        clock_.timerStarted(*this);
    else
        clock_.timerStopped(*this);
}

void Timer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    if (enabled_)
        clock_.timerStarted(*this);
}

void Timer::fire()
{
    if (enabled_ && onTick_)
        onTick_();
}

} // namespace tycora
