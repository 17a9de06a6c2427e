#pragma once

// Where the houses, the hotel and the MORTGAGED banner of each square lie on
// the board. Every street has four house slots and a hotel slot along its
// colour strip, and every ownable square a banner slot across the strip's
// top; they are laid out as on a bottom-side square and turned with the side
// of the board the square is on, so they always face the middle.
//
// Old Kent Road and Whitechapel Road use the window's first building and
// banner slots (index 1, and 4 or 3); every other square's slots carry the
// square's own number, which is above 4.

#include "ui/main/board_layout.h"

#include <optional>

namespace tycora::ui {

enum class BoardSide { Bottom, Left, Top, Right, Corner };

BoardSide sideOf(int square);

// The index of a street's building slots (imgHouse1..4, imgHotel); -1 for
// any other square.
int buildingSlotOf(int square);
// The index of an ownable square's banner slot (imgMortgaged); -1 otherwise.
int bannerSlotOf(int square);

// house 1..4, or 5 for the hotel; nothing for a square that is not a street.
std::optional<TwipRect> streetBuildingPlace(int square, int house);
// Nothing for a square nobody can own.
std::optional<TwipRect> bannerPlace(int square);

} // namespace tycora::ui
