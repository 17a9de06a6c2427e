// The 40 board squares as pictures: each side square is drawn upright and
// turned so that its inner edge faces the middle of the board.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/board_parts.h"

#include <QPainter>

#include <array>

namespace tycora::art {

namespace {

enum class Side { Bottom, Left, Top, Right };

Side sideOf(int square)
{
    if (square < 10)
        return Side::Bottom;
    if (square < 20)
        return Side::Left;
    return square < 30 ? Side::Top : Side::Right;
}

// Maps the upright 62 x 77 canvas of a side square onto its place on the
// board: the bottom row as drawn, the left column a quarter turn clockwise,
// the top row upside down, the right column a quarter turn anticlockwise.
void turnUpright(QPainter &p, const QRectF &target, Side side)
{
    using board::SideDepth;
    using board::SideWidth;
    const bool across = side == Side::Left || side == Side::Right;
    kit::mapDesign(p, target, across ? QSizeF(SideDepth, SideWidth) : QSizeF(SideWidth, SideDepth));
    switch (side) {
    case Side::Bottom: break;
    case Side::Left: p.translate(SideDepth, 0); p.rotate(90); break;
    case Side::Top: p.translate(SideWidth, SideDepth); p.rotate(180); break;
    case Side::Right: p.translate(0, SideWidth); p.rotate(-90); break;
    }
}

Art makeTile(int square)
{
    const QString name = QStringLiteral("tile:%1").arg(square);
    if (square % 10 == 0) {
        return Art(name, {75, 75}, [square](QPainter &p, const QRectF &r) {
            kit::mapDesign(p, r, {board::CornerSize, board::CornerSize});
            board::paintCorner(p, square);
        });
    }
    const Side side = sideOf(square);
    const bool across = side == Side::Left || side == Side::Right;
    return Art(name, across ? QSize(75, 60) : QSize(60, 75), [square, side](QPainter &p, const QRectF &r) {
        turnUpright(p, r, side);
        board::paintSide(p, square);
    });
}

} // namespace

const Art &boardTile(int square)
{
    static const std::array<Art, 40> tiles = [] {
        std::array<Art, 40> made;
        for (int n = 0; n < 40; ++n)
            made[n] = makeTile(n);
        return made;
    }();
    return kit::inRange(square, 0, 39) ? tiles[square] : kit::none();
}

} // namespace tycora::art
