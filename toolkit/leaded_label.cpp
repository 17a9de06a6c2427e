#include "toolkit/leaded_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace tycora::ui {

int LeadedLabel::layOut(QTextLayout &layout, int width) const
{
    QString text = caption();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(text);
    layout.setFont(font());
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal gap = QFontMetricsF(font()).height() * Leading;
    qreal y = 0;
    qreal bottom = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        bottom = y + line.height();
        y = bottom + gap;
    }
    layout.endLayout();
    return qCeil(bottom);
}

int LeadedLabel::heightForWidth(int width) const
{
    QTextLayout layout;
    return layOut(layout, width);
}

void LeadedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    QTextLayout layout;
    layOut(layout, width());
    layout.draw(&painter, QPointF(0, 0));
}

} // namespace tycora::ui
