#pragma once

// The computer players. The classic computer keeps the classic game's rules
// exactly: it buys whatever it can afford with a pound to spare and builds
// one house on Old Kent Road. The full-rules computer plays the whole game:
// it keeps a reserve, completes and builds on colour groups, raises money
// with as little loss as it can, and bids and leaves jail with judgement.

#include "game/player_controller.h"

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
    void firstTurn(Engine &engine, int player) override;
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;
    void resumeTurn(Engine &engine, int player) override;

    // The cash the player keeps back: more as the others' rents grow.
    static int reserve(const GameState &state, int player);
    // What the square is worth to the player.
    static int valuation(const GameState &state, int player, int square);
    // The most the player pays for the square, bought or at auction: its
    // worth to them while the reserve stays in hand, and at auction never
    // less than its mortgage value when the cash allows.
    static int mostItWouldPay(const GameState &state, int player, int square);
};

} // namespace tycora
