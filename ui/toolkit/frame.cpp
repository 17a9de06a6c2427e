#include "ui/toolkit/frame.h"

#include "ui/toolkit/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace tycora::ui {

Frame::Frame(QWidget *parent, int index) : QWidget(parent), back_(boardGreen()), index_(index)
{
    setMouseTracking(true);
    setAutoFillBackground(false);
}

void Frame::setCaption(const QString &caption)
{
    caption_ = caption;
    update();
}

void Frame::setBackColour(const QColor &colour)
{
    back_ = colour;
    update();
}

void Frame::setBorder(bool on)
{
    border_ = on;
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (!border_)
        return;
    const QFontMetrics fm(font());
    const int captionMiddle = caption_.isEmpty() ? 0 : fm.height() / 2;
    // An etched line: dark grey with a white line just inside it.
    const QRect outer = rect().adjusted(0, captionMiddle, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(outer);
    p.setPen(Qt::white);
    p.drawRect(outer.translated(1, 1));
    if (!caption_.isEmpty()) {
        const int textWidth = fm.horizontalAdvance(caption_);
        const QRect textRect(7, 0, textWidth + 4, fm.height());
        p.fillRect(textRect, back_);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(textRect, Qt::AlignCenter, caption_);
    }
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(index_);
}

} // namespace tycora::ui
