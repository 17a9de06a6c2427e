#include "game/manual_clock.h"

#include <algorithm>

namespace tycora {

void ManualClock::timerStarted(Timer &timer)
{
    remove(timer);
    scheduled_.push_back({&timer, now_ + std::max(1, timer.interval()), nextOrder_++});
}

void ManualClock::timerStopped(Timer &timer) { remove(timer); }

void ManualClock::timerDestroyed(Timer &timer) { remove(timer); }

void ManualClock::remove(Timer &timer)
{
    std::erase_if(scheduled_, [&](const Entry &e) { return e.timer == &timer; });
}

ManualClock::Entry *ManualClock::earliest()
{
    Entry *best = nullptr;
    for (Entry &e : scheduled_) {
        if (!best || e.due < best->due || (e.due == best->due && e.order < best->order))
            best = &e;
    }
    return best;
}

bool ManualClock::nextDue(Millis &when) const
{
    auto *self = const_cast<ManualClock *>(this);
    if (Entry *e = self->earliest()) {
        when = e->due;
        return true;
    }
    return false;
}

void ManualClock::fire(Entry *entry)
{
    Timer *timer = entry->timer;
    now_ = std::max(now_, entry->due);
    // Reschedule before the handler runs, so a handler that disables or
    // re-enables the timer has the last word.
    entry->due += std::max(1, timer->interval());
    entry->order = nextOrder_++;
    firing_ = true;
    timer->fire();
    firing_ = false;
}

void ManualClock::advance(Millis ms)
{
    if (held() || firing_)
        return;
    const Millis target = now_ + std::max<Millis>(0, ms);
    while (!held()) {
        Entry *e = earliest();
        if (!e || e->due > target)
            break;
        fire(e);
    }
    if (!held())
        now_ = std::max(now_, target);
}

bool ManualClock::advanceToNextTick()
{
    if (held() || firing_)
        return false;
    Entry *e = earliest();
    if (!e)
        return false;
    fire(e);
    return true;
}

} // namespace tycora
