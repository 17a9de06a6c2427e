#pragma once

// The computer players. The classic computer keeps the classic game's rules
// exactly: it buys whatever it can afford with a pound to spare and builds
// one house on Old Kent Road. The full-rules computer plays the whole game:
// it keeps a reserve, completes and builds on colour groups, raises money
// with as little loss as it can, and bids and leaves jail with judgement.

#include "game/player_controller.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tycora {

struct GameState;

class ClassicComputer : public PlayerController {
public:
    void firstTurn(Engine &engine, int player) override;
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    // Questions the classic game never asks; answered simply when a classic
    // computer plays under Full rules.
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;
    void resumeTurn(Engine &engine, int player) override;
};

class FullRulesComputer : public PlayerController {
public:
    // A computer that does not propose trades still answers offers.
    explicit FullRulesComputer(bool proposesTrades = true) : proposesTrades_(proposesTrades) {}

    void firstTurn(Engine &engine, int player) override;
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;
    void answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer) override;

    // The answer to an offer by the receiver's own measure: accept a trade
    // that leaves them better off, counter an offer of deeds by asking for
    // more cash where that would do (never a counter to a counter), or
    // reject.
    static TradeReply replyTo(const GameState &state, const TradeOffer &offer);
    // The offer the player would make to another on their turn, chiefly to
    // complete a colour group, priced so that the other side gains too;
    // none (from -1) when there is nothing worth asking for. Judged by the
    // plain measure alone: the offer made inside a future.
    static TradeOffer offerTo(const GameState &state, int player, int other);
    void resumeTurn(Engine &engine, int player) override;

    // The cash the player keeps back: more as the others' rents grow.
    static int reserve(const GameState &state, int player);
    // What the square is worth to the player.
    static int valuation(const GameState &state, int player, int square);
    // The most the player pays for the square, bought or at auction: its
    // worth to them while the reserve stays in hand, and at auction never
    // less than its mortgage value when the cash allows.
    static int mostItWouldPay(const GameState &state, int player, int square);

private:
    // Sends this turn's offers, one to each other player at most; false
    // while an offer waits for an answer from a window.
    bool proposeTrades(Engine &engine, int player);
    // The offer to `other` that does the player most good over a few
    // futures of the game, among those `other` would accept; none when
    // trading nothing does as well.
    TradeOffer offerByFutures(Engine &engine, int player, int other,
                              const std::function<bool(const TradeOffer &)> &madeBefore);

    bool proposesTrades_;
};

} // namespace tycora
