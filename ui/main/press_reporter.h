#pragma once

// Lets a view report a click on one of its controls: the left button
// pressed on the control calls back, and the press goes no further, so the
// window behind does not take it for a click on its background.

#include <functional>

class QWidget;

namespace tycora::ui {

void reportPresses(QWidget *control, std::function<void()> pressed);

} // namespace tycora::ui
