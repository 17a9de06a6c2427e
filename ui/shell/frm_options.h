#pragma once

// The options window: three game options as check boxes and the flag the
// GO salary consults. Nothing in the game opens it, so the flag stays off.

#include "ui/toolkit/form.h"

class QCheckBox;

namespace tycora::ui {

class FrmOptions : public Form {
    Q_OBJECT
public:
    explicit FrmOptions(QWidget *parent = nullptr);

    // Set by the window's load (its first showing), not by its creation.
    bool booDoubleSalary = false;

    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();

    bool loaded_ = false;
};

} // namespace tycora::ui
