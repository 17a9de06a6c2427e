#include "toolkit/qt_clock.h"

#include <QTimer>

#include <algorithm>

namespace tycora::ui {

QtClock::QtClock(QObject *parent) : QObject(parent) {}

QtClock::~QtClock()
{
    for (auto &[timer, slot] : slots_)
        delete slot.qtimer;
}

QtClock::Slot &QtClock::slotFor(Timer &timer)
{
    Slot &slot = slots_[&timer];
    if (!slot.qtimer) {
        slot.qtimer = new QTimer(this);
        slot.qtimer->setTimerType(Qt::PreciseTimer);
        Timer *t = &timer;
        connect(slot.qtimer, &QTimer::timeout, this, [this, t] {
            auto it = slots_.find(t);
            if (it == slots_.end())
                return;
            // After a shortened first tick (following a hold), go back to
            // the timer's own interval.
            if (it->second.qtimer->interval() != std::max(1, t->interval()))
                it->second.qtimer->setInterval(std::max(1, t->interval()));
            t->fire();
        });
    }
    return slot;
}

void QtClock::timerStarted(Timer &timer)
{
    Slot &slot = slotFor(timer);
    if (held()) {
        slot.qtimer->stop();
        slot.remainingWhenHeld = std::max(1, timer.interval());
        return;
    }
    slot.qtimer->start(std::max(1, timer.interval()));
}

void QtClock::timerStopped(Timer &timer)
{
    auto it = slots_.find(&timer);
    if (it == slots_.end())
        return;
    it->second.qtimer->stop();
    it->second.remainingWhenHeld = -1;
}

void QtClock::timerDestroyed(Timer &timer)
{
    auto it = slots_.find(&timer);
    if (it == slots_.end())
        return;
    delete it->second.qtimer;
    slots_.erase(it);
}

void QtClock::hold()
{
    if (holds_++ > 0)
        return;
    for (auto &[timer, slot] : slots_) {
        if (slot.qtimer->isActive()) {
            slot.remainingWhenHeld = std::max(0, slot.qtimer->remainingTime());
            slot.qtimer->stop();
        } else {
            slot.remainingWhenHeld = -1;
        }
    }
}

void QtClock::release()
{
    if (holds_ == 0 || --holds_ > 0)
        return;
    for (auto &[timer, slot] : slots_) {
        if (slot.remainingWhenHeld >= 0 && timer->enabled())
            slot.qtimer->start(slot.remainingWhenHeld);
        slot.remainingWhenHeld = -1;
    }
}

} // namespace tycora::ui
