#pragma once

// The question every game window asks before the user closes it.

#include "toolkit/form.h"
#include "toolkit/message_box.h"

#include <functional>

namespace tycora {
class Clock;
}

namespace tycora::ui {

struct QuitContext {
    MessageBoxes *boxes = nullptr;
    std::function<void()> endGame;   // ends the program
    Clock *clock = nullptr;          // held while the question is open
};

// For a close asked for by the user: "Are you sure you want to Quit?", with
// No as the default answer. Yes ends the game; any other answer keeps the
// window. A close made by the program passes without a question. Returns
// true when the close must be cancelled.
bool quitCancelled(Form::CloseReason reason, QWidget *parent, const QuitContext &context);

} // namespace tycora::ui
