#pragma once

// What a person at the board asks of the game in play, and what the game
// lets them ask now: the engine on this machine, or a game played on a
// server. The windows go through these alone for the moves they start and
// for what they offer.

#include "game/trade_offer.h"

#include <string>
#include <vector>

namespace tycora {

class PlayerCommands {
public:
    virtual ~PlayerCommands() = default;
    virtual void rollDice(int player) = 0;
    // Full rules: what a person does with their deeds while they are to
    // throw, or (selling and mortgaging, giving up) while they raise money.
    // A command the game does not allow changes nothing.
    virtual void build(int player, int square) = 0;
    virtual void sellBuilding(int player, int square) = 0;
    virtual void mortgage(int player, int square) = 0;
    virtual void unmortgage(int player, int square) = 0;
    virtual void declareBankruptcy(int player) = 0;
    // An offer of a trade from the person whose turn it is.
    virtual void proposeTrade(const TradeOffer &offer) = 0;
};

// What the board may offer the person at it now.
class OpenMoves {
public:
    virtual ~OpenMoves() = default;
    virtual bool fullRules() const = 0;
    // The player whose deeds the board's buttons act on now (to throw, or
    // raising money), or -1 when nobody at this board may act.
    virtual int deedActor() const = 0;
    // The deed actor owes more than their cash: they may give up.
    virtual bool raisingMoney() const = 0;
    // The squares on which the player may now build, sell a building, take
    // out or lift a mortgage.
    virtual std::vector<int> buildableSquares(int player) const = 0;
    virtual std::vector<int> sellableSquares(int player) const = 0;
    virtual std::vector<int> mortgageableSquares(int player) const = 0;
    virtual std::vector<int> unmortgageableSquares(int player) const = 0;
    virtual bool tradingOn() const = 0;
    // Why the player may not propose a trade now, or this offer may not be
    // sent, in words; empty when they may.
    virtual std::string whyNoTrade(int player) const = 0;
    virtual std::string offerProblem(const TradeOffer &offer) const = 0;
};

} // namespace tycora
