#pragma once

// The hard computer: for the decisions that matter it looks ahead. It plays
// many short futures from where the game stands for each choice it has
// (buy or let the square go to auction, how high to bid, whether and how
// hard to build, mortgaging to build, how to leave jail) and takes the
// choice it does best with. The futures use random numbers of its own,
// seeded from what the table can see, so its choices are the same every
// time the same game is played. Everything else it does as the full-rules
// computer does.

#include "game/computer_players.h"
#include "game/lookahead.h"

#include <memory>

namespace tycora {

class HardComputer : public FullRulesComputer {
public:
    explicit HardComputer(LookaheadSize size = {});

    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;

    // How the player may deal with their deeds before a throw.
    enum class Dealing {
        Normal,           // as the full-rules computer: build and lift mortgages from spare cash
        Boldly,           // build down to a third of the reserve
        MortgageToBuild,  // mortgage deeds outside complete groups to build boldly
        Nothing,          // keep the cash
    };
    static void deal(Engine &engine, int player, Dealing how);

    // Called with the time each looked-ahead decision took (for measuring),
    // where the looking ahead ran.
    void setDecisionTimer(std::function<void(double ms)> timer) { timer_ = std::move(timer); }

private:
    // Scores the starts by the lookahead, through the engine's thinker,
    // and hands the scores to `use`.
    void lookAhead(Engine &engine, std::shared_ptr<const Lookahead> ahead, std::vector<FutureStart> starts,
                   std::function<void(Scores)> use);

    LookaheadSize size_;
    std::function<void(double)> timer_;
    // The ceiling worked out for the auction under way: its square and the
    // throw it began after.
    int auctionSquare_ = -1;
    long long auctionThrow_ = -1;
    int ceiling_ = 0;
};

} // namespace tycora
