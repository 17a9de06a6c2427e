#include "ui/toolkit/picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace tycora::ui {

Picture::Picture(QWidget *parent, int index) : QWidget(parent), index_(index)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Picture::setPicture(const Art &art)
{
    if (art == art_)
        return;
    art_ = art;
    update();
}

void Picture::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (art_.isNull())
        return;
    QPainter p(this);
    const QSize target = stretch_ ? size() : art_.size();
    p.drawPixmap(QPoint(0, 0), art_.pixmap(target, devicePixelRatioF()));
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(index_);
}

} // namespace tycora::ui
