#pragma once

// The sizes the game's windows can be shown at, as percentages of the size
// they are designed at, and the choice of the largest one a screen has room
// for. The program applies the size through Qt's own scaling before its
// application object exists (app/window_scale_start.h), so every window,
// font, line and picture grows as a whole and the drawn art is painted at
// the new density rather than enlarged.

#include <QSize>

namespace tycora::ui {

inline constexpr int WindowScales[] = {100, 125, 150, 200};
inline constexpr int DefaultWindowScale = 100;

// The largest offered scale up to `chosen` at which a window of `window`
// (its inside at 100%) and its frame (title bar and borders, which do not
// grow) fit in `available`; 100 when none does.
int fittingWindowScale(int chosen, QSize window, QSize frame, QSize available);

} // namespace tycora::ui
