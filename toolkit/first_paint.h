#pragma once

// Work that waits until a window is on the screen: the action runs from the
// event loop once the window's first paint has been handled, so that it
// neither delays that paint nor runs if the window has gone by then.

#include <functional>

class QWidget;

namespace tycora::ui {

void afterFirstPaint(QWidget &window, std::function<void()> action);

} // namespace tycora::ui
