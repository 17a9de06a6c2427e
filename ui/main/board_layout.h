#pragma once

// Where every per-square control of the main window lies, in twips of the
// window's inside area (or of a player panel, for the mini deeds). The
// board is a fixed mosaic, so these are tables, not computations from a
// board size. A square without such a control gives an empty TwipRect.

#include "toolkit/twips.h"

#include <optional>

namespace tycora::ui {

TwipRect boardTilePlace(int square);            // imgBoard
TwipRect piecePlace(int square);                // imgSquare
TwipRect jailCellPlace();                       // imgJail: the pieces in jail, in the cell's window
std::optional<TwipRect> ownerBarPlace(int square);   // shpOwner: ownable squares and 17
TwipRect statsSignPlace(int square);            // imgStats
std::optional<TwipRect> infoSignPlace(int square);   // imgInfo: ownable squares
// The building slots: house 1..4 or the hotel (house 5) of slot index 0..4.
TwipRect buildingPlace(int index, int house);
// A mini title deed inside a player panel: ownable squares only, placed by
// what the square is (street of a group, station, utility).
std::optional<TwipRect> miniDeedPlace(int square);

} // namespace tycora::ui
