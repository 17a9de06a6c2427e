#include "toolkit/picture.h"

#include <QPainter>

namespace tycora::ui {

Picture::Picture(QWidget *parent, int index) : ArrayControl(parent, index)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void Picture::setPicture(const Art &art)
{
    // Copying the same picture again is common (a piece redrawn where it
    // stands) and needs no repaint.
    if (art == art_)
        return;
    changeLook(art_, art);
}

void Picture::setStretch(bool on) { changeLook(stretch_, on); }

void Picture::paintEvent(QPaintEvent *)
{
    if (art_.isNull())
        return;
    QPainter p(this);
    const QSize target = stretch_ ? size() : art_.size();
    p.drawPixmap(QPoint(0, 0), art_.pixmap(target, devicePixelRatioF()));
}

} // namespace tycora::ui
