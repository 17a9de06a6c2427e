#include "toolkit/window_scale.h"

namespace tycora::ui {

int fittingWindowScale(int chosen, QSize window, QSize frame, QSize available)
{
    int best = DefaultWindowScale;
    for (const int scale : WindowScales) {
        if (scale > chosen)
            break;
        // Rounded up: a window a pixel too large does not fit.
        const int width = (window.width() * scale + 99) / 100 + frame.width();
        const int height = (window.height() * scale + 99) / 100 + frame.height();
        if (width <= available.width() && height <= available.height())
            best = scale;
    }
    return best;
}

} // namespace tycora::ui
