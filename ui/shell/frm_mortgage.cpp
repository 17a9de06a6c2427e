#include "ui/shell/frm_mortgage.h"

#include "ui/toolkit/fonts.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

namespace {

// Each card place is the size of one mortgage card picture.
constexpr int CardWidth = 405;
constexpr int CardHeight = 480;

Shape *cardPlace(QWidget *parent, int left, int top, bool paleInside)
{
    auto *shape = new Shape(parent, Shape::Kind::RoundedRectangle);
    shape->setBorderColour(Qt::black);
    shape->setFillStyle(Shape::FillStyle::Transparent);
    shape->setBackColour(boardGreen());
    shape->setBackOpaque(paleInside);
    place(shape, left, top, CardWidth, CardHeight);
    return shape;
}

} // namespace

FrmMortgage::FrmMortgage(QWidget *parent) : Form(parent)
{
    setWindowTitle(QStringLiteral("Mortgage Property"));
    setClientSizeTwips(8670, 6855);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    // Created top to bottom, so each card lies over the one above it.
    shpProperty.add(1, cardPlace(this, 2460, 4035, false));
    shpProperty.add(3, cardPlace(this, 2460, 4245, true));
    shpProperty.add(6, cardPlace(this, 3045, 4035, true));
    shpProperty.add(8, cardPlace(this, 3045, 4245, true));
    shpProperty.add(9, cardPlace(this, 3045, 4455, true));
    Shape3 = cardPlace(this, 4380, 2670, false);
}

} // namespace tycora::ui
