#include "toolkit/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace tycora::ui {

namespace {

class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget &window, std::function<void()> action) : QObject(&window), action_(std::move(action))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued behind the paint, which is on the screen by the time
            // the action runs.
            QTimer::singleShot(0, watched, std::move(action_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

void afterFirstPaint(QWidget &window, std::function<void()> action) { new FirstPaintWatch(window, std::move(action)); }

} // namespace tycora::ui
