#pragma once

// The look the game's smaller windows share: the board's green behind the
// classic 8-point Tahoma.

class QWidget;

namespace tycora::ui {

void giveGameWindowLook(QWidget &window);

} // namespace tycora::ui
