#include "toolkit/array_control.h"

#include <QMouseEvent>

namespace tycora::ui {

ArrayControl::ArrayControl(QWidget *parent, int index) : QWidget(parent), index_(index)
{
    setMouseTracking(true);
}

void ArrayControl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(index_);
}

} // namespace tycora::ui
