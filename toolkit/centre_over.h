#pragma once

// Puts a secondary window in the middle of the window it belongs to (its
// outer frame over the other's), kept on the other's screen; with no such
// window, in the middle of the primary screen's free area.

class QWidget;

namespace tycora::ui {

void centreOver(QWidget &window, const QWidget *over);

} // namespace tycora::ui
