#pragma once

// The screen colours of the game: each player colour (0 Red .. 5 Purple) has
// a light shade for fills and a strong one for borders, and each colour
// group has the colour of its title-deed strip. Anything out of range is
// black.

#include <QColor>

namespace tycora::ui {

QColor lightColour(long colour);
QColor strongColour(long colour);
QColor GroupColour(long group);

} // namespace tycora::ui
