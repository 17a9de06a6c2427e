#pragma once

// The row of buttons under the dice: Build, Sell Buildings, Roll Dice,
// Morgage and Unmorgage. Only Roll Dice and Morgage act; Build lights up
// for a player who could build, and does nothing.

#include <QObject>

class QWidget;

namespace tycora::ui {

class CommandButton;

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

signals:
    void rollClicked();
    void mortgageClicked();

private:
    CommandButton *cmdRoll_ = nullptr;
    CommandButton *cmdBuild_ = nullptr;
};

} // namespace tycora::ui
