#include "ui/main/button_row.h"

#include "ui/main/control_names.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

namespace {

struct ButtonPlace {
    int left, top, width, height;
};

// The other buttons stand a little lower than Roll Dice, which is larger.
constexpr int RowTop = 8648;
constexpr int ButtonWidth = 1150;
constexpr int ButtonHeight = 315;

CommandButton *button(QWidget *window, const char *name, const char *caption, const ButtonPlace &at, bool enabled)
{
    auto *b = named(new CommandButton(QString::fromLatin1(caption), window), QString::fromLatin1(name));
    place(b, at.left, at.top, at.width, at.height);
    b->setEnabled(enabled);
    // The keyboard throws the dice through its own keys; the buttons do not
    // take the focus away from them.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

ButtonRow::ButtonRow(QWidget *window)
{
    cmdBuild_ = button(window, "cmdBuild", "Build", {2370, RowTop, ButtonWidth, ButtonHeight}, false);
    button(window, "cmdSell", "Sell Buildings", {3630, RowTop, ButtonWidth, ButtonHeight}, false);
    cmdRoll_ = button(window, "cmdRoll", "Roll Dice", {4890, 8625, 1170, 360}, true);
    cmdRoll_->setFont(tahoma(9, true));
    CommandButton *mortgage = button(window, "cmdMorgage", "Morgage", {6165, RowTop, ButtonWidth, ButtonHeight}, true);
    button(window, "cmdUnmorgage", "Unmorgage", {7425, RowTop, ButtonWidth, ButtonHeight}, false);

    connect(cmdRoll_, &QPushButton::clicked, this, &ButtonRow::rollClicked);
    connect(mortgage, &QPushButton::clicked, this, &ButtonRow::mortgageClicked);
}

void ButtonRow::setRollEnabled(bool enabled) { cmdRoll_->setEnabled(enabled); }

bool ButtonRow::rollEnabled() const { return cmdRoll_->isEnabled(); }

void ButtonRow::pressRoll() { cmdRoll_->click(); }

void ButtonRow::pressRollFromKeyboard()
{
    if (cmdRoll_->isEnabled() && cmdRoll_->isVisible())
        cmdRoll_->click();
}

void ButtonRow::enableBuild() { cmdBuild_->setEnabled(true); }

} // namespace tycora::ui
