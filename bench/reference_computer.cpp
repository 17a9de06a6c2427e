// A frozen copy of the full-rules computer as it played when the levels
// were introduced: the fixed yardstick the levels are measured against, so
// that a change to the normal computer does not move the target.

#include "bench/reference_computer.h"

#include "game/board.h"
#include "game/engine.h"
#include "game/rules.h"

#include <algorithm>
#include <vector>

namespace tycora::bench {

namespace {

// The rent a street earns with one building more (or less) than now.
int streetRentWith(int square, int buildings)
{
    const StreetRents &r = squareInfo(square).rents;
    const int rents[] = {r.bare * 2, r.oneHouse, r.twoHouses, r.threeHouses, r.fourHouses, r.hotel};
    return rents[std::clamp(buildings, 0, 5)];
}

// The deed the player would miss least: the one that earns least now.
int earnings(const GameState &state, int square)
{
    if (!state.Properties[square].Owned)
        return 0;
    if (isUtilitySquare(square))
        return utilityRent(state, 7);
    return rentFor(state, square);
}

// Sells or mortgages one thing; false when nothing is left to do it with.
bool raiseOnce(Engine &engine, int player, bool leastLossFirst)
{
    const GameState &state = engine.state();
    std::vector<int> sellable = engine.sellableSquares(player);
    if (!sellable.empty()) {
        if (leastLossFirst) {
            // The building whose loss costs least rent for the money it fetches.
            std::sort(sellable.begin(), sellable.end(), [&](int a, int b) {
                const int lossA = streetRentWith(a, buildingCount(state, a)) - streetRentWith(a, buildingCount(state, a) - 1);
                const int lossB = streetRentWith(b, buildingCount(state, b)) - streetRentWith(b, buildingCount(state, b) - 1);
                return lossA * houseSalePrice(b) < lossB * houseSalePrice(a);
            });
        }
        return engine.sellBuilding(player, sellable.front());
    }
    std::vector<int> mortgageable = engine.mortgageableSquares(player);
    if (mortgageable.empty())
        return false;
    if (leastLossFirst)
        std::stable_sort(mortgageable.begin(), mortgageable.end(),
                         [&](int a, int b) { return earnings(state, a) < earnings(state, b); });
    return engine.mortgage(player, mortgageable.front());
}

void raiseUntilCovered(Engine &engine, int player, int owed, bool leastLossFirst)
{
    while (engine.state().Players[player].Money < owed && raiseOnce(engine, player, leastLossFirst)) {
    }
}

// How many streets of the square's group the player holds, and whether
// another single player holds all the rest.
struct GroupStanding {
    int mine = 0;
    int size = 0;
    bool completesMine = false;
    bool blocksAnother = false;
    bool othersStarted = false;   // another player holds a street of it
};

GroupStanding standing(const GameState &state, int player, int square)
{
    GroupStanding s;
    const auto streets = groupSquares(groupOf(square));
    s.size = static_cast<int>(streets.size());
    int otherOwner = -2;
    int others = 0;
    for (const int sq : streets) {
        if (sq == square)
            continue;
        const Property &d = state.Properties[sq];
        if (state.holds(player, sq))
            ++s.mine;
        else if (d.Owned) {
            otherOwner = otherOwner == -2 || otherOwner == d.Owner ? d.Owner : -1;
            ++others;
        }
    }
    s.completesMine = s.size > 0 && s.mine == s.size - 1;
    s.blocksAnother = s.size > 0 && others == s.size - 1 && otherOwner >= 0;
    s.othersStarted = others > 0;
    return s;
}

} // namespace


int ReferenceComputer::reserve(const GameState &state, int player)
{
    // The dearest rent an opponent could charge now, utilities on a
    // middling throw.
    int danger = 0;
    for (const int sq : ownableSquares()) {
        const Property &d = state.Properties[sq];
        if (!d.Owned || d.Owner == player || state.Players[d.Owner].Bankrupt)
            continue;
        danger = std::max(danger, isUtilitySquare(sq) ? utilityRent(state, 8) : int(rentFor(state, sq)));
    }
    return std::clamp(60 + danger / 2, 60, 500);
}

int ReferenceComputer::valuation(const GameState &state, int player, int square)
{
    const SquareInfo &info = squareInfo(square);
    int percent = 100;
    if (info.kind == SquareKind::Street) {
        const GroupStanding s = standing(state, player, square);
        if (s.completesMine)
            percent = 200;
        else if (s.blocksAnother)
            percent = 90;    // worth keeping from them, though less than it is worth to them
        else if (s.mine > 0)
            percent = 130;
        else if (s.othersStarted)
            percent = 50;    // a group another has begun: a street that can never be part of a set
    } else if (info.kind == SquareKind::Station) {
        percent += 25 * stationsHeldBy(state, player);
    } else {
        percent = 80;
    }
    return info.price * percent / 100;
}

int ReferenceComputer::mostItWouldPay(const GameState &state, int player, int square)
{
    const int price = squareInfo(square).price;
    const int value = valuation(state, player, square);
    // A square that completes a group is worth dipping into the reserve for.
    const int keep = reserve(state, player);
    const int needed = value >= 2 * price ? keep / 3 : keep;
    const Cash money = state.Players[player].Money;
    const Cash withinReserve = std::min<Cash>(value, money - needed);
    // Up to its mortgage value a square costs nothing the player could not
    // have back at once: that much it is worth to anyone with the cash.
    const Cash atMortgage = std::min<Cash>(squareInfo(square).mortgageValue, money);
    return static_cast<int>(std::max(withinReserve, atMortgage));
}

void ReferenceComputer::firstTurn(Engine &engine, int player) { engine.rollDice(player); }

void ReferenceComputer::turnToThrow(Engine &engine, int player)
{
    const GameState &state = engine.state();
    const auto money = [&] { return int(state.Players[player].Money); };
    // Only the others' deeds and buildings set the reserve, and nothing
    // done here changes them.
    const int keep = reserve(state, player);

    // Lift mortgages when rich, whole groups first.
    std::vector<int> mortgaged = engine.unmortgageableSquares(player);
    std::stable_sort(mortgaged.begin(), mortgaged.end(), [&](int a, int b) {
        return ownsColourGroup(state, player, a) > ownsColourGroup(state, player, b);
    });
    for (const int sq : mortgaged)
        if (money() - unmortgagePrice(sq) >= keep + 300)
            engine.unmortgage(player, sq);

    // Build evenly, where a building adds most rent for its cost, while the
    // reserve stays in hand.
    while (true) {
        std::vector<int> buildable = engine.buildableSquares(player);
        std::erase_if(buildable, [&](int sq) {
            const SquareInfo &info = squareInfo(sq);
            const int cost = buildingCount(state, sq) == 4 ? info.hotelCost : info.houseCost;
            return money() - cost < keep;
        });
        if (buildable.empty())
            break;
        const auto gain = [&](int sq) {
            const int now = buildingCount(state, sq);
            return double(streetRentWith(sq, now + 1) - streetRentWith(sq, now)) / squareInfo(sq).houseCost;
        };
        const int best = *std::max_element(buildable.begin(), buildable.end(),
                                           [&](int a, int b) { return gain(a) < gain(b); });
        if (!engine.build(player, best))
            break;
    }
    engine.computerTurn(player);
}

void ReferenceComputer::decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer)
{
    // A square worth less than its price to this player goes to auction,
    // where whoever it helps most may have it.
    const GameState &state = engine.state();
    answer(offer.price <= mostItWouldPay(state, offer.player, offer.square) &&
           state.Players[offer.player].Money > offer.price);
}

void ReferenceComputer::raiseMoney(Engine &engine, int player, int owed)
{
    raiseUntilCovered(engine, player, owed, true);
}

void ReferenceComputer::decideJail(Engine &engine, int player, Answer<JailChoice> answer)
{
    const GameState &state = engine.state();
    int unowned = 0;
    for (const int sq : ownableSquares())
        unowned += !state.Properties[sq].Owned;
    // While much of the board is for sale, being out buys squares; once it
    // is dangerous, a cell is the safest place to wait.
    const bool worthLeaving = unowned >= 8;
    if (worthLeaving && state.jailCards(player) > 0)
        answer(JailChoice::UseCard);
    else if (worthLeaving && state.Players[player].Money - 50 >= reserve(state, player))
        answer(JailChoice::PayFine);
    else
        answer(JailChoice::Throw);
}

// The card saves the fine now as surely as at any later stay.
void ReferenceComputer::payOrUseCard(Engine &, int, Answer<JailChoice> answer) { answer(JailChoice::UseCard); }

void ReferenceComputer::bid(Engine &engine, const Auction &auction, Answer<int> answer)
{
    // The whole of what the square is worth to this player, in one bid:
    // the square goes to whoever values it most, and a player who would buy
    // it at its price never lets it go for a few pounds.
    const int limit = mostItWouldPay(engine.state(), auction.bidder, auction.square);
    answer(limit > auction.highestBid ? limit : 0);
}

} // namespace tycora::bench
