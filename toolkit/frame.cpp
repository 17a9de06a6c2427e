#include "toolkit/frame.h"

#include "toolkit/twips.h"

#include <QPainter>

namespace tycora::ui {

Frame::Frame(QWidget *parent, int index) : ArrayControl(parent, index), back_(boardGreen())
{
    setAutoFillBackground(false);
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

} // namespace tycora::ui
