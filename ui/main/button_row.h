#pragma once

// The row of buttons under the dice: Build, Sell Buildings, Roll Dice,
// Morgage and Unmorgage. Under the Classic rules only Roll Dice and Morgage
// act, and Build lights up for a player who could build but does nothing.
// Under the Full rules the engine says which of the deed actions are open
// (showActions); a person raising money also sees what is missing and a
// Declare Bankruptcy button, in the free space below the row.

#include <QObject>

class QString;
class QWidget;

namespace tycora {
struct AvailableActions;
}

namespace tycora::ui {

class CommandButton;
class Label;

class ButtonRow final : public QObject {
    Q_OBJECT
public:
    explicit ButtonRow(QWidget *window);

    void setRollEnabled(bool enabled);
    bool rollEnabled() const;
    // Presses Roll Dice as a click does (nothing while it is disabled).
    void pressRoll();
    // The keyboard presses Roll Dice only while a player could click it.
    void pressRollFromKeyboard();
    void enableBuild();

    // Full rules: the deed buttons follow what the person may do now;
    // Declare Bankruptcy is there only while they raise money.
    void showActions(const AvailableActions &actions);
    // What a person raising money still needs ("Ann must raise £120"),
    // and whom and what for as its tooltip; an empty text hides it.
    void showRaising(const QString &text, const QString &debt = QString());
    // Why each closed deed action is closed, as its tooltip; an empty
    // text, or an open action, has none.
    void explainClosed(const QString &build, const QString &sell, const QString &mortgage, const QString &unmortgage);

signals:
    void rollClicked();
    void mortgageClicked();
    void buildClicked();
    void sellClicked();
    void unmortgageClicked();
    void bankruptcyClicked();
    // The deed buttons have changed: whatever lists a person's choices
    // should look again.
    void actionsShown();

private:
    CommandButton *cmdRoll_ = nullptr;
    CommandButton *cmdBuild_ = nullptr;
    CommandButton *cmdSell_ = nullptr;
    CommandButton *cmdMorgage_ = nullptr;
    CommandButton *cmdUnmorgage_ = nullptr;
    CommandButton *cmdBankrupt_ = nullptr;
    Label *lblRaising_ = nullptr;
};

} // namespace tycora::ui
