#include "ui/main/press_reporter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tycora::ui {

namespace {

class PressReporter final : public QObject {
public:
    PressReporter(QWidget *control, std::function<void()> pressed) : QObject(control), pressed_(std::move(pressed))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        pressed_();
        return true;
    }

private:
    std::function<void()> pressed_;
};

} // namespace

void reportPresses(QWidget *control, std::function<void()> pressed) { new PressReporter(control, std::move(pressed)); }

} // namespace tycora::ui
