#pragma once

// The one seam through which the game asks a player to decide: buy or not,
// build, raise money, leave jail, bid. A person answers through the window
// (HumanController); a computer answers by a strategy of its own. A question
// may be answered at once or later: the engine waits in a state for the
// answer, it never runs a nested event loop for it.

#include "game/trade_offer.h"

#include <functional>
#include <vector>

namespace tycora {

class Engine;

// Called once with the answer. Calling it again, or after the game has
// moved on, does nothing.
template<typename T>
using Answer = std::function<void(T)>;

struct PurchaseOffer {
    int player = 0;
    int square = 0;
    int price = 0;
};

enum class JailChoice { PayFine, UseCard, Throw };

struct Auction {
    int square = 0;
    int highestBid = 0;          // 0 while nobody has bid
    int highestBidder = -1;      // -1 while nobody has bid
    int bidder = 0;              // whose turn it is to bid
    std::vector<bool> bidding;   // per player: still in this auction
};

class PlayerController {
public:
    virtual ~PlayerController() = default;

    // The very first turn of the game: a computer throws at once, a person
    // is given Roll Dice.
    virtual void firstTurn(Engine &engine, int player) = 0;
    // Every later moment at which the player is to throw. A computer may
    // build, sell or mortgage first through the engine's commands, then
    // throws after its pause; a person does the same through the window.
    virtual void turnToThrow(Engine &engine, int player) = 0;

    // The unowned square the player's piece stopped on: buy it or not.
    virtual void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) = 0;

    // Full rules. The player owes more than their cash: a computer raises
    // what it can through the engine's commands before returning; a person
    // raises it through the window, or declares bankruptcy.
    virtual void raiseMoney(Engine &engine, int player, int owed) = 0;
    // In jail at the start of the turn: pay the fine, use a card, or throw.
    virtual void decideJail(Engine &engine, int player, Answer<JailChoice> answer) = 0;
    // The third throw in jail has failed and the player holds a Get Out of
    // Jail Free card: pay the fine or use the card (PayFine or UseCard);
    // either way the piece then moves by that throw.
    virtual void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) = 0;
    // Their turn to bid: an amount above the highest bid, or 0 to pass.
    virtual void bid(Engine &engine, const Auction &auction, Answer<int> answer) = 0;
    // Full rules, in a game that trades: another player offers this player
    // a trade. Accept (naming any mortgages lifted at once), reject, or
    // counter with a new offer from this player. A player who does not
    // trade rejects.
    virtual void answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer)
    {
        (void)engine;
        (void)offer;
        answer(TradeReply::reject());
    }

    // A game read back from a save goes on with this player to throw. A
    // computer only begins its pause again: what it does before its throw
    // was done before the game was saved.
    virtual void resumeTurn(Engine &engine, int player) { turnToThrow(engine, player); }
    // The window offers this player the deed actions (build, sell, mortgage,
    // lift a mortgage, declare bankruptcy): a person acts through it; a
    // computer acts by itself.
    virtual bool takesDeedActionsFromWindow(int /*player*/) const { return false; }
    // Whether the player's purchase line in the log shows the balance before
    // the price is paid (a person's line) or after it (a computer's).
    virtual bool logsBalanceBeforePurchase(int /*player*/) const { return false; }
};

} // namespace tycora
