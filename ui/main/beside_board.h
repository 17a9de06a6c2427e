#pragma once

// Where a window of the board's own (the Game Log, the statistics) opens the
// first time: beside the board, on the side of the screen with more room,
// over the board's edge where the screen is too narrow, so that it covers
// as little of the board as it can.

#include <QPoint>
#include <QSize>

class QWidget;

namespace tycora::ui {

// The top left corner for a window of the given size; level with the
// board's top, or with its bottom when alignBottom.
QPoint besideBoard(const QWidget &board, QSize size, bool alignBottom = false);

} // namespace tycora::ui
