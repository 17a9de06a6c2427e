#include "ui/main/button_row.h"

#include "game/screen.h"
#include "ui/main/control_names.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"

namespace tycora::ui {

namespace {

// The other buttons stand a little lower than Roll Dice, which is larger.
constexpr int RowTop = 8648;
constexpr int ButtonWidth = 1150;
constexpr int ButtonHeight = 315;

// Below the row, above the bottom squares' signs: what a person raising
// money lacks, and the way out.
constexpr TwipRect RaisingPlace{2370, 9075, 2430, 255};
constexpr TwipRect BankruptPlace{4890, 9030, 1560, ButtonHeight};

CommandButton *button(QWidget *window, const char *name, const char *caption, const TwipRect &at, bool enabled)
{
    auto *b = named(new CommandButton(ButtonRow::tr(caption), window), QString::fromLatin1(name));
    place(b, at);
    b->setEnabled(enabled);
    // The keyboard throws the dice through its own keys; the buttons do not
    // take the focus away from them.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

ButtonRow::ButtonRow(QWidget *window)
{
    cmdBuild_ = button(window, "cmdBuild", QT_TR_NOOP("Build"), {2370, RowTop, ButtonWidth, ButtonHeight}, false);
    cmdSell_ =
        button(window, "cmdSell", QT_TR_NOOP("Sell Buildings"), {3630, RowTop, ButtonWidth, ButtonHeight}, false);
    cmdRoll_ = button(window, "cmdRoll", QT_TR_NOOP("Roll Dice"), {4890, 8625, 1170, 360}, true);
    cmdRoll_->setFont(tahoma(9, true));
    cmdMorgage_ = button(window, "cmdMorgage", QT_TR_NOOP("Morgage"), {6165, RowTop, ButtonWidth, ButtonHeight}, true);
    cmdUnmorgage_ =
        button(window, "cmdUnmorgage", QT_TR_NOOP("Unmorgage"), {7425, RowTop, ButtonWidth, ButtonHeight}, false);

    cmdBankrupt_ = button(window, "cmdBankrupt", QT_TR_NOOP("Declare Bankruptcy"), BankruptPlace, true);
    cmdBankrupt_->hide();
    lblRaising_ = named(new Label(window), QStringLiteral("lblRaising"));
    lblRaising_->setFont(tahoma(8.25, true));
    lblRaising_->setForeColour(QColor(176, 0, 0));
    lblRaising_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblRaising_, RaisingPlace);
    lblRaising_->hide();

    connect(cmdRoll_, &QPushButton::clicked, this, &ButtonRow::rollClicked);
    connect(cmdMorgage_, &QPushButton::clicked, this, &ButtonRow::mortgageClicked);
    connect(cmdBuild_, &QPushButton::clicked, this, &ButtonRow::buildClicked);
    connect(cmdSell_, &QPushButton::clicked, this, &ButtonRow::sellClicked);
    connect(cmdUnmorgage_, &QPushButton::clicked, this, &ButtonRow::unmortgageClicked);
    connect(cmdBankrupt_, &QPushButton::clicked, this, &ButtonRow::bankruptcyClicked);
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

void ButtonRow::showActions(const AvailableActions &actions)
{
    cmdBuild_->setEnabled(actions.build);
    cmdSell_->setEnabled(actions.sell);
    cmdMorgage_->setEnabled(actions.mortgage);
    cmdUnmorgage_->setEnabled(actions.unmortgage);
    cmdBankrupt_->setVisible(actions.declareBankruptcy);
    if (!actions.declareBankruptcy)
        showRaising(QString());
    emit actionsShown();
}

void ButtonRow::showRaising(const QString &text, const QString &debt)
{
    lblRaising_->setCaption(text);
    lblRaising_->setToolTip(debt);
    lblRaising_->setVisible(!text.isEmpty());
}

} // namespace tycora::ui

namespace tycora::ui {

void ButtonRow::explainClosed(const QString &build, const QString &sell, const QString &mortgage,
                              const QString &unmortgage)
{
    // A disabled button still shows its tooltip when the mouse rests on it.
    const auto explain = [](CommandButton *button, const QString &why) {
        button->setToolTip(button->isEnabled() ? QString() : why);
    };
    explain(cmdBuild_, build);
    explain(cmdSell_, sell);
    explain(cmdMorgage_, mortgage);
    explain(cmdUnmorgage_, unmortgage);
}

} // namespace tycora::ui
