#pragma once

// The easy computer: it plays the whole game plausibly, but as a beginner
// does. It buys whatever it lands on while it has the cash, builds only once
// it is comfortably rich and then on the first street it sees, bids
// timidly at auctions, pays its way out of jail at once, and raises money
// in the order its deeds come rather than by what they earn.

#include "game/computer_players.h"

namespace tycora {

class EasyComputer : public FullRulesComputer {
public:
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;
};

} // namespace tycora
