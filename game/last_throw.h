#pragma once

// What a game drawn whole from its state (Screen::drawWhole) cannot read
// there: the dice of the last throw, from the game's history.

#include "game/decision.h"
#include "game/game_state.h"
#include "game/screen.h"

#include <vector>

namespace tycora {

// The dice as the last throw of the history left them; blank before the
// first throw.
void showLastThrow(const GameState &state, const std::vector<Decision> &history, Screen &screen);

} // namespace tycora
