#include "game/easy_computer.h"

#include "game/board.h"
#include "game/engine.h"
#include "game/rules.h"

#include <algorithm>

namespace tycora {

namespace {

// The cash a beginner wants in hand before building: the careful reserve
// twice over and a cushion more, so houses come late in the game.
int comfortBeforeBuilding(const GameState &state, int player)
{
    return 3 * FullRulesComputer::reserve(state, player) + 400;
}

} // namespace

void EasyComputer::turnToThrow(Engine &engine, int player)
{
    const GameState &state = engine.state();
    const int comfort = comfortBeforeBuilding(state, player);
    // One building a turn, on the first street that takes one: no thought
    // for which street earns most.
    const std::vector<int> buildable = engine.buildableSquares(player);
    if (!buildable.empty()) {
        const int sq = buildable.front();
        const SquareInfo &info = squareInfo(sq);
        const int cost = buildingCount(state, sq) == 4 ? info.hotelCost : info.houseCost;
        if (state.Players[player].Money - cost >= comfort)
            engine.build(player, sq);
    }
    engine.computerTurn(player);
}

void EasyComputer::decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer)
{
    // On impulse: whatever it can pay for, with no thought of a reserve.
    answer(engine.state().Players[offer.player].Money > offer.price);
}

void EasyComputer::raiseMoney(Engine &engine, int player, int owed)
{
    // Whatever comes first: buildings, then deeds, in board order.
    while (engine.state().Players[player].Money < owed) {
        const std::vector<int> sellable = engine.sellableSquares(player);
        if (!sellable.empty()) {
            if (!engine.sellBuilding(player, sellable.front()))
                return;
            continue;
        }
        const std::vector<int> mortgageable = engine.mortgageableSquares(player);
        if (mortgageable.empty() || !engine.mortgage(player, mortgageable.front()))
            return;
    }
}

void EasyComputer::decideJail(Engine &engine, int player, Answer<JailChoice> answer)
{
    // Out at once, whatever the board looks like.
    const GameState &state = engine.state();
    if (state.jailCards(player) > 0)
        answer(JailChoice::UseCard);
    else if (state.Players[player].Money > 50)
        answer(JailChoice::PayFine);
    else
        answer(JailChoice::Throw);
}

void EasyComputer::bid(Engine &engine, const Auction &auction, Answer<int> answer)
{
    // Timid: never more than a third of the printed price, and only from spare cash.
    const GameState &state = engine.state();
    const Cash spare = state.Players[auction.bidder].Money - reserve(state, auction.bidder);
    const int limit = static_cast<int>(std::min<Cash>(squareInfo(auction.square).price / 3, spare));
    answer(limit > auction.highestBid ? limit : 0);
}

} // namespace tycora
