#include "ui/shell/backdrop.h"

#include "toolkit/form.h"

#include <QColor>

namespace tycora::ui {

namespace {

const QColor OuterGreen(0, 64, 0);
const QColor MiddleGreen(0, 128, 0);
const QColor InnerGreen(0, 192, 0);

} // namespace

void paintBackdrop(Form &window)
{
    // Lines leave out their end point, so each side's length is chosen to
    // close its outline at the corners: the left middle line stops a pixel
    // higher than the right one and the bottom middle line supplies the
    // corner it leaves out. The size is read again for every line.
    const auto W = [&window] { return window.widthTwips(); };
    const auto H = [&window] { return window.heightTwips(); };

    // Left side.
    window.drawLine(0, 0, 0, H(), OuterGreen);
    window.drawLine(15, 15, 15, H() - 30, MiddleGreen);
    window.drawLine(30, 30, 30, H() - 30, InnerGreen);
    // Right side.
    window.drawLine(W() - 15, 0, W() - 15, H(), OuterGreen);
    window.drawLine(W() - 30, 15, W() - 30, H() - 15, MiddleGreen);
    window.drawLine(W() - 45, 30, W() - 45, H() - 30, InnerGreen);
    // Top.
    window.drawLine(0, 0, W(), 0, OuterGreen);
    window.drawLine(15, 15, W() - 30, 15, MiddleGreen);
    window.drawLine(30, 30, W() - 45, 30, InnerGreen);
    // Bottom.
    window.drawLine(0, H() - 15, W(), H() - 15, OuterGreen);
    window.drawLine(15, H() - 30, W() - 30, H() - 30, MiddleGreen);
    window.drawLine(30, H() - 45, W() - 45, H() - 45, InnerGreen);
}

} // namespace tycora::ui
