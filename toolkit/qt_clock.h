#pragma once

// Drives the game's timers from Qt's event loop, one QTimer per game timer.
// Holding the clock stops every timer and remembers how long each had left,
// so releasing it carries on exactly where the game stood.

#include "game/timer.h"

#include <QObject>

#include <map>

class QTimer;

namespace tycora::ui {

class QtClock final : public QObject, public Clock {
    Q_OBJECT
public:
    explicit QtClock(QObject *parent = nullptr);
    ~QtClock() override;

    void hold() override;
    void release() override;
    bool held() const override { return holds_ > 0; }

protected:
    void timerStarted(Timer &timer) override;
    void timerStopped(Timer &timer) override;
    void timerDestroyed(Timer &timer) override;

private:
    struct Slot {
        QTimer *qtimer = nullptr;
        int remainingWhenHeld = -1;   // ms left when the clock was held; -1 when stopped
    };
    Slot &slotFor(Timer &timer);

    std::map<Timer *, Slot> slots_;
    int holds_ = 0;
};

} // namespace tycora::ui
