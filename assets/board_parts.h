#pragma once

// The board squares' drawings, split by kind. Every side square is drawn
// upright on a 62 x 77 canvas (inner edge at the top, the board's outer
// edge at the bottom) and turned into place by boardTile(); corners are
// drawn as they lie on the board, on a 77 x 77 canvas.
//
// Room left free for the controls laid over a side square (canvas units):
// rows 1..8 a mortgage banner, rows 8..22 the house row, rows 35..65 and
// columns 9..53 the piece place.

#include "assets/art_kit.h"

class QPainter;

namespace tycora::art::board {

constexpr qreal SideWidth = 62;
constexpr qreal SideDepth = 77;
constexpr qreal CornerSize = 77;

// The pale-green ground and thin dark outline every square shares.
void paintGround(QPainter &p, qreal width, qreal height);

void paintSide(QPainter &p, int square);    // squares 1..9, 11..19, 21..29, 31..39
// The name a side square shows, from the board table: its lines, top to
// bottom, and their cap height in canvas units.
kit::Wrapped sideName(int square);
void paintCorner(QPainter &p, int square);  // squares 0, 10, 20, 30

} // namespace tycora::art::board
