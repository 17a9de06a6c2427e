#pragma once

// Colours on screen: the board's ground, and the game's palette as Qt
// colours. The windows and the art both draw with these.

#include "game/palette.h"

#include <QColor>

namespace tycora::ui {

// The board's pale green, shared by the windows, their frames and the art.
inline QColor boardGreen() { return QColor(207, 236, 211); }

// A colour of the game's palette on screen.
inline QColor toQColor(const Rgb &c) { return QColor(c.red, c.green, c.blue); }

} // namespace tycora::ui
