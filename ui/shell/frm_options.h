#pragma once

// The options window: the three house options as check boxes, at their
// defaults (purchasing on the first round allowed, the others off), and a
// flag that mirrors the "£400 for landing on GO" box. The set-up window's
// Options frame is where the players choose; this window is not shown.

#include "game/game_options.h"
#include "toolkit/form.h"

class QCheckBox;

namespace tycora::ui {

class FrmOptions : public Form {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget *parent = nullptr);

    // Read from Check2 itself, so it can never disagree with the box.
    bool doubleSalary() const;
    // Ticks the boxes as the players chose in the set-up window.
    void showOptions(const GameOptions &options);

private:
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
};

} // namespace tycora::ui
