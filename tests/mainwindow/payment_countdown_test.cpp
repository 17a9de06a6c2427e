// The money animation of the main window: a payment counted down at the
// game's pace on the game's clock, and the Classic status lines it writes;
// and the Classic mortgage button, which only tells a deed's value.

#include "full_rules_window.h"

#include "game/manual_clock.h"
#include "ui/main/payment_countdown.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tycora::testing {
namespace {

using Step = std::array<int, 3>;   // payer, payee, amount left

class Countdown : public ::testing::Test {
protected:
    ManualClock clock;
    std::vector<Step> steps;
    ui::PaymentCountdown countdown{clock, [this](int payer, int payee, int amount) {
                                       steps.push_back({payer, payee, amount});
                                   }};
};

TEST_F(Countdown, AClassicPaymentCountsDownAPoundEveryTenthOfASecond)
{
    countdown.start(1, 0, 2, timingsOf(Pace::Classic));
    EXPECT_EQ(countdown.tmrMoneyDown().interval(), 100);
    EXPECT_TRUE(countdown.tmrMoneyDown().enabled());
    clock.advance(99);
    EXPECT_TRUE(steps.empty());
    clock.advance(1);
    EXPECT_EQ(steps, (std::vector<Step>{{1, 0, 1}}));
    clock.advance(100);
    EXPECT_EQ(steps, (std::vector<Step>{{1, 0, 1}, {1, 0, 0}}));
    EXPECT_FALSE(countdown.tmrMoneyDown().enabled()) << "it ends at nought";
    clock.advance(1000);
    EXPECT_EQ(steps.size(), 2u);
}

TEST_F(Countdown, ASecondPaymentGoesOnInTheSameRhythmFromItsOwnAmount)
{
    countdown.start(1, 0, 100, timingsOf(Pace::Classic));
    clock.advance(5000);
    EXPECT_EQ(steps.back(), (Step{1, 0, 50}));
    clock.advance(50);
    countdown.start(2, 1, 2, timingsOf(Pace::Classic));
    clock.advance(50);
    EXPECT_EQ(steps.back(), (Step{2, 1, 1}));
    clock.advance(100);
    EXPECT_EQ(steps.back(), (Step{2, 1, 0}));
    EXPECT_FALSE(countdown.tmrMoneyDown().enabled());
}

TEST_F(Countdown, EachPaceEndsInItsTime)
{
    struct Case {
        Pace pace;
        int amount;
        ManualClock::Millis longest;   // from the payment to the last step
        std::size_t steps;
    };
    const Case cases[] = {
        {Pace::Classic, 25, 2500, 25},
        {Pace::Fast, 2000, 2100, 59},    // about two seconds, whatever the sum
        {Pace::Instant, 2000, 1, 1},     // its end at once
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(paceName(c.pace));
        steps.clear();
        const ManualClock::Millis started = clock.now();
        countdown.start(0, 1, c.amount, timingsOf(c.pace));
        while (countdown.tmrMoneyDown().enabled())
            clock.advanceToNextTick();
        EXPECT_LE(clock.now() - started, c.longest);
        EXPECT_EQ(steps.size(), c.steps);
        EXPECT_EQ(steps.back(), (Step{0, 1, 0}));
    }
}

TEST_F(Countdown, StoppedItShowsNothingMore)
{
    countdown.start(1, 0, 20, timingsOf(Pace::Classic));
    clock.advance(100);
    countdown.stop();
    clock.advance(5000);
    EXPECT_EQ(steps, (std::vector<Step>{{1, 0, 19}}));
}

class ClassicWindow : public FullRulesWindow {
protected:
    void SetUp() override
    {
        FullRulesWindow::SetUp();
        engine->setOptions(GameOptions{});
    }
};

TEST_F(ClassicWindow, TheStatusLineCountsTheRentDownToNought)
{
    give(1, 3);
    start();
    state.Players[0].Square = state.Players[0].TargetSquare = 0;
    throwDice(1, 2);   // Ann walks to Whitechapel Road: £4 to Bob
    ASSERT_TRUE(logged("Ann Pays Bob " + Pound + "4 Rent for Whitechapel Road"));
    const Timer *countdown = form->screen().tmrMoneyDown();
    ASSERT_NE(countdown, nullptr);
    ASSERT_TRUE(countdown->enabled());
    std::vector<QString> lines;
    while (countdown->enabled()) {
        clock.advanceToNextTick();
        lines.push_back(label("lblStatus")->text());
    }
    EXPECT_EQ(lines, (std::vector<QString>{QString::fromUtf8("Ann owes Bob £3"), QString::fromUtf8("Ann owes Bob £2"),
                                           QString::fromUtf8("Ann owes Bob £1"), QString::fromUtf8("Ann owes Bob £0")}));
    // The game's end stops it.
    engine->stopTimers();
    EXPECT_FALSE(countdown->enabled());
}

TEST_F(ClassicWindow, TheMortgageButtonTellsEustonRoadsValueAndChangesNothing)
{
    start();
    give(1, 8);
    form->cmdMorgage_Click();
    form->cmdMorgage_Click();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QString::fromUtf8("£50"));
    EXPECT_EQ(boxes.shown[1].text, QString::fromUtf8("£50"));
    EXPECT_TRUE(log.lines.size() <= 4) << "nothing logged beyond the start";
    EXPECT_EQ(state.Players[0].Money, 1500);
}

} // namespace
} // namespace tycora::testing
