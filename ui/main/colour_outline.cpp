#include "ui/main/colour_outline.h"

#include "ui/main/player_colours.h"

#include <QEvent>

namespace tycora::ui {

namespace {
constexpr long Yellow = 3;
constexpr long Orange = 4;
} // namespace

QColor outlineColour(long colour)
{
    if (colour != Yellow && colour != Orange)
        return {};
    // As a screen shows it: eight bits a channel.
    return QColor(strongColour(colour).darker(160).rgb());
}

ShapeOutline::ShapeOutline(Shape *around, const QString &name)
    : Shape(around->parentWidget(), around->kind()), around_(around)
{
    setObjectName(name);
    around_->installEventFilter(this);
    follow();
}

void ShapeOutline::setColour(const QColor &colour)
{
    colour_ = colour;
    if (colour.isValid())
        setBorderColour(colour);
    follow();
}

bool ShapeOutline::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize: follow(); break;
    default: break;
    }
    return Shape::eventFilter(watched, event);
}

void ShapeOutline::follow()
{
    setGeometry(around_->geometry().adjusted(-1, -1, 1, 1));
    stackUnder(around_);
    setVisible(colour_.isValid() && !around_->isHidden());
}

} // namespace tycora::ui
