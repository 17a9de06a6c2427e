#pragma once

// Setting the game state's figures that start from the board table.

#include "game/game_state.h"
#include "game/square_table.h"

#include <string>

namespace tycora {

// Sets each street's current rent to its bare-site rent from the board
// table. Ownership, buildings and the other statistics are left alone, so
// loading again during a game changes nothing.
void loadBoard(GameState &state);

} // namespace tycora
