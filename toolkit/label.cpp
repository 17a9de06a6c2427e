#include "toolkit/label.h"

#include <QEvent>

namespace tycora::ui {

Label::Label(QWidget *parent, const QString &caption) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    fit();
}

void Label::setAutoSize(bool on)
{
    autoSize_ = on;
    fit();
}

void Label::fit()
{
    if (!autoSize_)
        return;
    const QFontMetrics fm(font());
    const QMargins m = contentsMargins();
    // Like a caption sized to its text: as wide and as high as one line.
    resize(fm.horizontalAdvance(text()) + m.left() + m.right() + 2 * margin(), fm.height() + m.top() + m.bottom() + 2 * margin());
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // A new font changes the caption's width.
    if (event->type() == QEvent::FontChange)
        fit();
}

void Label::setForeColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void Label::setBackColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace tycora::ui
