#pragma once

// Draws a game on a screen from its state alone, as a loaded game needs:
// the screen has shown nothing of it, so every piece, owner, building,
// mortgage, panel and the pot are put up at once.

#include "game/decision.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/screen.h"

#include <vector>

namespace tycora {

void showWholeGame(const GameState &state, const GameOptions &options, Screen &screen);

// The dice as the last throw of the history left them; blank before the
// first throw.
void showLastThrow(const GameState &state, const std::vector<Decision> &history, Screen &screen);

} // namespace tycora
