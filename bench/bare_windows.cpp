// tycora-bench-bare: the yardstick of the start-up figure. A plain Qt
// Widgets program, none of the game in it, that shows a full-screen window
// and one of the start menu's size, and says "ready" (see ready_line.h)
// once the small window's first paint has been handled, as the game's
// startup scenario does. Built beside the benchmark, never installed.
//
//   tycora-bench-bare [menu-only]    menu-only: the small window alone

#include "bench/ready_line.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// The start menu's inside size.
constexpr QSize MenuSize(tycora::ui::px(6285), tycora::ui::px(3585));

class ReadyOnFirstPaint final : public QObject {
public:
    explicit ReadyOnFirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { tycora::bench::sayReady(); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    const bool menuOnly = argc > 1 && std::strcmp(argv[1], "menu-only") == 0;
    QApplication app(argc, argv);
    QWidget screenWide;
    if (!menuOnly)
        screenWide.showFullScreen();
    QWidget menu(nullptr, Qt::FramelessWindowHint);
    menu.setFixedSize(MenuSize);
    new ReadyOnFirstPaint(&menu);
    menu.show();
    return app.exec();
}
