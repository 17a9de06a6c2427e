#include "toolkit/shape.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tycora::ui {

Shape::Shape(QWidget *parent, Kind kind) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Shape::setKind(Kind kind)
{
    kind_ = kind;
    update();
}

void Shape::setFillStyle(FillStyle style)
{
    fillStyle_ = style;
    update();
}

void Shape::setFillColour(const QColor &colour)
{
    fillColour_ = colour;
    update();
}

void Shape::setBackOpaque(bool opaque)
{
    backOpaque_ = opaque;
    update();
}

void Shape::setBackColour(const QColor &colour)
{
    backColour_ = colour;
    update();
}

void Shape::setBorder(bool on)
{
    border_ = on;
    update();
}

void Shape::setBorderColour(const QColor &colour)
{
    borderColour_ = colour;
    update();
}

QColor Shape::insideColour() const
{
    if (fillStyle_ == FillStyle::Solid)
        return fillColour_;
    if (backOpaque_)
        return backColour_;
    return {};
}

QRectF Shape::outline() const
{
    QRectF r(rect());
    if (kind_ == Kind::Circle) {
        const qreal d = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    return border_ ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r;
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    QPainterPath path;
    const QRectF r = outline();
    switch (kind_) {
    case Kind::Rectangle: path.addRect(r); break;
    case Kind::RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) / 5.0;
        path.addRoundedRect(r, radius, radius);
        break;
    }
    case Kind::Circle: path.addEllipse(r); break;
    }
    if (backOpaque_)
        p.fillPath(path, backColour_);
    if (fillStyle_ == FillStyle::Solid)
        p.fillPath(path, fillColour_);
    if (border_) {
        QPen pen(borderColour_);
        pen.setWidthF(1.0);
        p.setPen(pen);
        p.drawPath(path);
    }
}

} // namespace tycora::ui
