#pragma once

// The two card decks: fixed lists of 14 identifiers each, drawn in order.

#include "game/game_state.h"

namespace tycora {

void fillChanceDeck(GameState &state);
void fillCommunityDeck(GameState &state);

} // namespace tycora
