#pragma once

// The money animation: a payment from one player to another counted down
// on the screen at the game's pace ("A owes B £n", down to £0). It only
// shows what happened: the money moved when the payment was made, and the
// game never waits for the countdown.

#include "game/pace.h"
#include "game/timer.h"

#include <functional>

namespace tycora::ui {

class PaymentCountdown {
public:
    // Told of each step: who pays whom, and what is left to count down.
    using Step = std::function<void(int payer, int payee, int amount)>;

    PaymentCountdown(Clock &clock, Step step);

    // Counts a new payment down from its amount. A countdown already running
    // keeps its rhythm (and the interval it was started with) and goes on
    // from the new payment.
    void start(int payer, int payee, int amount, const PaceTimings &timings);
    void stop() { tmrMoneyDown_.setEnabled(false); }

    const Timer &tmrMoneyDown() const { return tmrMoneyDown_; }

private:
    void tmrMoneyDown_Timer();

    Timer tmrMoneyDown_;
    Step step_;
    int payer_ = 0;
    int payee_ = 0;
    int amount_ = 0;
    int decrement_ = 1;   // pounds a step takes off
};

} // namespace tycora::ui
