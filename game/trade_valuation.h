#pragma once

// How the full-rules computer weighs a trade: what everything a player
// holds is worth to them (cash, with the reserve they need counted dearer;
// deeds; whole colour groups by the rent they can earn with buildings; the
// stations and utilities held together), and so what a trade gains each
// side. A trade that completes a group for a player clearly ahead counts
// their gain in full against the one who helps them.

#include "game/game_state.h"
#include "game/trade_offer.h"

namespace tycora {

// What the player's cash and deeds are worth to them.
long long positionValue(const GameState &state, int player);

// The state after the trade: items handed over, the interest on mortgaged
// deeds paid. The offer is not checked.
GameState stateAfterTrade(const GameState &state, const TradeOffer &offer);

// The player is clearly ahead of everyone else still in the game.
bool clearlyLeading(const GameState &state, int player);

// What the trade gains `me` less the share of the other side's gain that
// `me` counts against it: half, or all of it when the trade completes a
// colour group for a player clearly ahead. Above zero: worth accepting.
long long tradeScore(const GameState &state, const TradeOffer &offer, int me);

// What the trade gains `me` beyond what it gains the other side: a player
// who proposes a trade wants to come out of it ahead.
long long tradeEdge(const GameState &state, const TradeOffer &offer, int me);

} // namespace tycora
