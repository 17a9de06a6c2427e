#pragma once

// The mortgage window: the places of the mortgage cards of the first two
// colour groups. The game has no mortgaging, so nothing opens it.

#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"

namespace tycora::ui {

class Shape;

class FrmMortgage : public Form {
    Q_OBJECT
public:
    explicit FrmMortgage(QWidget *parent = nullptr);

    // Indexed by square: 1 and 3 (brown), 6, 8 and 9 (light blue).
    ControlArray<Shape> shpProperty;
    Shape *Shape3 = nullptr;
};

} // namespace tycora::ui
