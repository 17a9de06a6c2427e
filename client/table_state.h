#pragma once

// The game's state as a player far from the server knows it: the players
// from the seats of the game, and what the server lets every player see
// (money, squares, jail, cards held, owners and buildings, whose turn).

#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"

#include <QJsonObject>

namespace tycora::client {

// The board and the players of a game sent whole; the rest from its state.
void seatPlayers(GameState &state, const QJsonObject &game);
void applyPublicState(GameState &state, const QJsonObject &publicState);

GameOptions optionsOf(const QJsonObject &game);
Pace paceOf(const QJsonObject &game);

} // namespace tycora::client
