#pragma once

// The rules of a trade that need no engine: whether the items of an offer
// may change hands as the board stands, what the new holder of a mortgaged
// deed owes the bank, and how an offer reads in the log and the windows.
// Their words are in the person's language (user_text.h); the log takes
// them inEnglish.

#include "game/game_state.h"
#include "game/trade_offer.h"

#include <string>
#include <vector>

namespace tycora {

// A deed the player may put into a trade: theirs, and on no colour group
// with buildings (the buildings are sold first).
bool mayTradeDeed(const GameState &state, int player, int square);
// Every deed the player may put into a trade, in board order.
std::vector<int> tradeableDeeds(const GameState &state, int player);

// Why the offer's items cannot change hands as the state stands (a deed
// not held or on a built group, cash or cards not held, nothing given at
// all), in words; empty when they can.
std::string tradeItemsProblem(const GameState &state, const TradeOffer &offer);

// The interest the new holder of a mortgaged deed pays the bank: a tenth of
// its mortgage value, rounded up to the pound.
int mortgageInterest(int square);
// What the player receiving `deeds` pays the bank for the mortgaged ones:
// the interest, or for those in `lifts` the mortgage value and a tenth more.
Cash mortgageCharges(const GameState &state, const std::vector<int> &deeds, const std::vector<int> &lifts);

// Why the trade cannot take effect now that it is accepted: an item no
// longer held, or a side left unable to pay for the mortgaged deeds it
// receives; empty when it can.
std::string tradeLapse(const GameState &state, const TradeOffer &offer, const std::vector<int> &receiverLifts);

// The items of one side as the log lists them: square names, "£n" and Get
// Out of Jail Free cards joined by ", ", or "nothing".
std::string tradeItemsText(const GameState &state, const TradeSide &side);
// "Ann gives Park Lane and £120; Ben gives Mayfair".
std::string tradeSummary(const GameState &state, const TradeOffer &offer);

} // namespace tycora
