#pragma once

// A small window that lists what a person may do now, one button each
// ("House on Old Kent Road £50"), and a Done button. Choosing a button
// reports its square and leaves the window open, so the owner can show
// the choices that follow; Done (or the close box) closes it. It is modal
// but does not block: the game's clock goes on while it is open.

#include "toolkit/form.h"

#include <vector>

namespace tycora::ui {

class CommandButton;
class Label;

class ChoiceDialog final : public Form {
    Q_OBJECT
public:
    struct Choice {
        int square;
        QString caption;
    };

    // name: the window's object name ("frmBuild"); caption: its title.
    ChoiceDialog(const QString &name, const QString &caption, QWidget *parent);

    // The prompt over the buttons and the buttons (cmdChoice + square);
    // with no choices the prompt says what is missing (nothing).
    void showChoices(const QString &prompt, const std::vector<Choice> &choices, const QString &nothing);

    QString prompt() const;
    // The captions of the buttons, top to bottom.
    QStringList captions() const;

signals:
    void chosen(int square);

private:
    Label *lblPrompt_ = nullptr;
    CommandButton *cmdDone_ = nullptr;
    std::vector<CommandButton *> buttons_;
};

} // namespace tycora::ui
