#include "ui/main/payment_countdown.h"

#include <algorithm>

namespace tycora::ui {

PaymentCountdown::PaymentCountdown(Clock &clock, Step step)
    : tmrMoneyDown_(clock, timingsOf(Pace::Classic).countdownMs), step_(std::move(step))
{
    tmrMoneyDown_.setHandler([this] { tmrMoneyDown_Timer(); });
}

void PaymentCountdown::start(int payer, int payee, int amount, const PaceTimings &timings)
{
    payer_ = payer;
    payee_ = payee;
    amount_ = amount;
    decrement_ = countdownDecrement(timings, amount);
    // A pace chosen during play applies from the timer's next start.
    if (!tmrMoneyDown_.enabled())
        tmrMoneyDown_.setInterval(timings.countdownMs);
    tmrMoneyDown_.setEnabled(true);
}

void PaymentCountdown::tmrMoneyDown_Timer()
{
    amount_ = std::max(0, amount_ - decrement_);
    // A countdown ends at £0; one that somehow started at or below zero ends
    // at once instead of counting on for ever.
    if (amount_ <= 0)
        tmrMoneyDown_.setEnabled(false);
    step_(payer_, payee_, amount_);
}

} // namespace tycora::ui
