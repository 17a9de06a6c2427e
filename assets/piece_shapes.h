#pragma once

// Outlines of the six playing pieces on a 44 x 30 canvas, as paths that any
// picture may fill: the metal tokens, the car of Free Parking, the top hat
// of the application icon.

#include <QPainterPath>

namespace tycora::art::shapes {

constexpr qreal PieceWidth = 44;
constexpr qreal PieceHeight = 30;

enum class Piece { Dog = 1, Car, Battleship, Hat, Shoe, Wheelbarrow };

// The silhouette of a piece (filled with the winding rule).
QPainterPath silhouette(Piece piece);

// Engraved detail lines drawn over the silhouette: doors, portholes, laces.
QPainterPath detail(Piece piece);

} // namespace tycora::art::shapes
