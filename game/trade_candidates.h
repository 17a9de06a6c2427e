#pragma once

// The trades a computer could put to another player that the other would
// accept by its own measure: a colour group completed for one side or both,
// paid for with deeds and the least cash that makes the other side gain.

#include "game/game_state.h"
#include "game/trade_offer.h"

#include <optional>
#include <vector>

namespace tycora {

// The player holds more streets of the group than anyone else, or as many.
bool hopesForGroup(const GameState &state, int player, int group);

// The least cash the proposer adds to the offer (or, below zero, the most
// it asks) for which the other side accepts it by its own measure, to ten
// pounds; none when nothing between `least` and `most` will do.
std::optional<Cash> leastAcceptedCash(const GameState &state, const TradeOffer &offer, Cash least, Cash most);

// Per colour group, the deeds `holder` would hand over to complete it for
// `forWhom`: the only streets of it that `forWhom` lacks, all held by
// `holder` and tradeable.
std::vector<std::vector<int>> groupCompletions(const GameState &state, int holder, int forWhom);

// Every offer from `player` to `other` that completes a group for one of
// them (or for both), priced at the least cash (given, or asked when below
// zero) for which `other` accepts it by its own measure; those no cash
// makes acceptable are left out.
std::vector<TradeOffer> acceptableOffers(const GameState &state, int player, int other);

} // namespace tycora
