#pragma once

// The picture of a player's piece, wherever it is drawn: on the board and
// in the player's panel.

#include "toolkit/art.h"

namespace tycora {
struct Player;
}

namespace tycora::ui {

// The piece the player chose, by its name in the list of pieces (exactly,
// trailing blanks and case included); none for a piece not in the list.
Art pieceArt(const Player &player);

} // namespace tycora::ui
