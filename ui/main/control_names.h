#pragma once

// How the main window names its controls (QObject::objectName), so tests
// and tools can find any control by its name instead of reaching into the
// view that owns it.
//
// A single control is named as it is called: "cmdRoll", "lblStatus",
// "frmProperty". A control of a control array takes the array's name and
// its index: "imgSquare12", "frmPlayerInfo2", "shpDice1Dot3". Where the
// array's own name ends in a digit, an underscore keeps the two numbers
// apart: the house slots of imgHouse1, "imgHouse1_2", and the mini deeds of
// panel 0 (the array imgMini0), "imgMini0_5" for square 5.

#include <QString>

namespace tycora::ui {

QString controlName(const QString &array, int index);

// Names a control where it is made: named(new Label(card), "lblRent").
template<typename Control>
Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

template<typename Control>
Control *named(Control *control, const QString &array, int index)
{
    return named(control, controlName(array, index));
}

} // namespace tycora::ui
