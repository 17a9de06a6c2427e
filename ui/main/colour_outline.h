#pragma once

// Yellow and Orange, a light fill inside a pale rim, melt into the board's
// pale green. The owner bars and the panel frames in those colours get a
// darker line around them, outside their own rim, which keeps its colour.

#include "toolkit/shape.h"

namespace tycora::ui {

// The outline of a player colour (0 Red .. 5 Purple); an invalid colour for
// one that needs none.
QColor outlineColour(long colour);

// A one-pixel line around a shape, of the same kind, beneath it in the same
// parent. It follows the shape: shown while the shape is and the line has a
// colour, moved and sized with it.
class ShapeOutline final : public Shape {
    Q_OBJECT
public:
    ShapeOutline(Shape *around, const QString &name);

    // An invalid colour takes the line away.
    void setColour(const QColor &colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    Shape *around_;
    QColor colour_;
};

} // namespace tycora::ui
