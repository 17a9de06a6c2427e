#pragma once

// Draws a game on a screen from its state alone, as a loaded game needs:
// the screen has shown nothing of it, so every piece, owner, building,
// mortgage, panel and the pot are put up at once.

#include "game/game_options.h"
#include "game/game_state.h"
#include "game/screen.h"

namespace tycora {

void showWholeGame(const GameState &state, const GameOptions &options, Screen &screen);

} // namespace tycora
