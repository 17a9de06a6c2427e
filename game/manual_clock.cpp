#include "game/manual_clock.h"

#include <algorithm>
#include <utility>

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

std::vector<ManualClock::Entry>::const_iterator ManualClock::earliest() const
{
    return std::min_element(scheduled_.begin(), scheduled_.end(), [](const Entry &a, const Entry &b) {
        return a.due < b.due || (a.due == b.due && a.order < b.order);
    });
}

ManualClock::Entry *ManualClock::earliest()
{
    const auto found = std::as_const(*this).earliest();
    return found == scheduled_.end() ? nullptr : &scheduled_[static_cast<std::size_t>(found - scheduled_.cbegin())];
}

bool ManualClock::nextDue(Millis &when) const
{
    const auto e = earliest();
    if (e == scheduled_.end())
        return false;
    when = e->due;
    return true;
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
