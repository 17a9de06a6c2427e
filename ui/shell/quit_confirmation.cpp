#include "ui/shell/quit_confirmation.h"

#include "game/timer.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {

// Keeps the game standing still while the question is open, so that "No"
// returns to exactly the moment the close was asked for.
class ClockHold {
public:
    explicit ClockHold(Clock *clock) : clock_(clock)
    {
        if (clock_)
            clock_->hold();
    }
    ~ClockHold()
    {
        if (clock_)
            clock_->release();
    }
    ClockHold(const ClockHold &) = delete;
    ClockHold &operator=(const ClockHold &) = delete;

private:
    Clock *clock_;
};

} // namespace

bool quitCancelled(Form::CloseReason reason, QWidget *parent, const QuitContext &context)
{
    if (reason != Form::CloseReason::User)
        return false;
    if (!context.boxes)
        return false;
    MsgAnswer answer;
    {
        ClockHold hold(context.clock);
        // No is the default: Return, pressed on the way to something else,
        // keeps the game; Y or Yes quits.
        answer = context.boxes->show(parent,
                                     QCoreApplication::translate("QuitConfirmation", "Are you sure you want to Quit?"),
                                     MsgButtons::YesNo, MsgIcon::Question, ApplicationTitle, MsgAnswer::No);
    }
    if (answer != MsgAnswer::Yes)
        return true;
    if (context.endGame)
        context.endGame();
    return false;
}

} // namespace tycora::ui
