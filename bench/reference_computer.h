#pragma once

// The full-rules computer frozen as it was when the levels came: the
// benchmark's reference player.

#include "game/game_state.h"
#include "game/player_controller.h"

namespace tycora::bench {

class ReferenceComputer : public PlayerController {
public:
    void firstTurn(Engine &engine, int player) override;
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;

    static int reserve(const GameState &state, int player);
    static int valuation(const GameState &state, int player, int square);
    static int mostItWouldPay(const GameState &state, int player, int square);
};

} // namespace tycora::bench
