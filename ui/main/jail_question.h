#pragma once

// The question a person in jail is asked at the start of their turn: pay
// the fine, use a Get Out of Jail Free card (offered only to a holder), or
// throw for a double. The dialog is window-modal over the board but never
// waits in a loop of its own: the engine waits for the answer, which comes
// once, when the person presses a button. Closing the dialog throws, the
// choice that costs nothing.

#include "game/player_controller.h"

#include <QDialog>

#include <functional>

namespace tycora::ui {

class CommandButton;
class Label;

class JailQuestion final : public QDialog {
    Q_OBJECT
public:
    explicit JailQuestion(QWidget *window);

    // failedThrows: the throws that have already missed a double this stay.
    void ask(const QString &name, int cash, bool hasCard, int failedThrows, std::function<void(JailChoice)> answer);
    bool asking() const { return bool(answer_); }

    void reject() override;

private:
    void choose(JailChoice choice);

    Label *lblJailName_ = nullptr;
    Label *lblJailChoices_ = nullptr;
    Label *lblJailThrows_ = nullptr;
    CommandButton *cmdPayFine_ = nullptr;
    CommandButton *cmdUseCard_ = nullptr;
    CommandButton *cmdThrowDouble_ = nullptr;
    std::function<void(JailChoice)> answer_;
};

} // namespace tycora::ui
