#include "toolkit/centre_over.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tycora::ui {

void centreOver(QWidget &window, const QWidget *over)
{
    const QScreen *screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect around = over && over->isVisible() ? over->frameGeometry() : area;
    const QSize outer = window.frameGeometry().size();
    // Never past the screen's free area, the top left corner last of all.
    const auto start = [](int aroundStart, int aroundLength, int length, int areaStart, int areaLength) {
        const int centred = aroundStart + (aroundLength - length) / 2;
        return std::max(areaStart, std::min(centred, areaStart + areaLength - length));
    };
    window.move(start(around.left(), around.width(), outer.width(), area.left(), area.width()),
                start(around.top(), around.height(), outer.height(), area.top(), area.height()));
}

} // namespace tycora::ui
