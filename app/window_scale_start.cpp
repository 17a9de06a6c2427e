#include "app/window_scale_start.h"

#include "ui/main/frm_main.h"
#include "toolkit/twips.h"
#include "toolkit/window_scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <optional>
#include <vector>

namespace tycora::app {

namespace {

// Room kept for the title bar and borders, which the window system draws
// at their own size.
constexpr QSize WindowFrame(16, 48);

// The primary screen's free area, as a short-lived application of its own
// sees it (Qt can only tell it once an application exists, and takes the
// scale factor only when one is made).
std::optional<QSize> availableScreenArea(int argc, char **argv)
{
    // Qt takes the options it knows out of the list it is given; the
    // program's own list stays whole for the real application.
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    const QGuiApplication probe(count, arguments.data());
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry().size();
}

} // namespace

int applyWindowScale(int chosen, int argc, char **argv)
{
    if (chosen <= ui::DefaultWindowScale)
        return ui::DefaultWindowScale;
    const std::optional<QSize> area = availableScreenArea(argc, argv);
    if (!area)
        return ui::DefaultWindowScale;
    // The board is the largest window: what fits it fits every window.
    const QSize board(ui::px(ui::FrmMain::WidthTwips), ui::px(ui::FrmMain::HeightTwips));
    const int scale = ui::fittingWindowScale(chosen, board, WindowFrame, *area);
    if (scale == ui::DefaultWindowScale)
        return scale;
    bool set = false;
    const double userFactor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    const double factor = (set && userFactor > 0 ? userFactor : 1.0) * scale / 100.0;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    return scale;
}

} // namespace tycora::app
