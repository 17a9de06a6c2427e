#include "game/rules.h"

#include "game/board.h"
#include "game/figures.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tycora {

namespace {

// The squares of one kind, in board order, worked out once from the table.
template<SquareKind Kind, std::size_t N>
const std::array<int, N> &squaresOfKind()
{
    static const std::array<int, N> list = [] {
        std::array<int, N> found{};
        std::size_t n = 0;
        for (int sq = 0; sq < BoardSize && n < N; ++sq)
            if (squareInfo(sq).kind == Kind)
                found[n++] = sq;
        return found;
    }();
    return list;
}

const std::array<int, 4> &stations() { return squaresOfKind<SquareKind::Station, 4>(); }
const std::array<int, 2> &utilities() { return squaresOfKind<SquareKind::Utility, 2>(); }

bool holdsAll(const GameState &state, int player, std::span<const int> squares)
{
    return std::all_of(squares.begin(), squares.end(), [&](int sq) { return state.holds(player, sq); });
}

} // namespace

bool isOwnable(int square) { return onBoard(square) && squareInfo(square).ownable(); }

bool isStationSquare(int square) { return onBoard(square) && squareInfo(square).kind == SquareKind::Station; }

bool isUtilitySquare(int square) { return onBoard(square) && squareInfo(square).kind == SquareKind::Utility; }

bool ownsColourGroup(const GameState &state, int player, int square)
{
    const int group = groupOf(square);
    return group >= 0 && holdsAll(state, player, groupSquares(group));
}

bool ownsAnyColourGroup(const GameState &state, int player)
{
    for (int g = 0; g < GroupCount; ++g) {
        if (holdsAll(state, player, groupSquares(g)))
            return true;
    }
    return false;
}

int stationsHeldBy(const GameState &state, int player)
{
    return static_cast<int>(
        std::count_if(stations().begin(), stations().end(), [&](int sq) { return state.holds(player, sq); }));
}

Integer stationRent(const GameState &state, int square)
{
    const Property &deed = state.Properties[square];
    if (!deed.Owned)
        return 0;
    return stationRentForHeld(stationsHeldBy(state, deed.Owner));
}

Integer stationRentForHeld(int held)
{
    switch (held) {
    case 1: return 25;
    case 2: return 50;
    case 3: return 100;
    case 4: return 200;
    default: return 0;
    }
}

bool bothUtilitiesHeldByOne(const GameState &state)
{
    const Property &first = state.Properties[utilities()[0]];
    return first.Owned && state.holds(first.Owner, utilities()[1]);
}

Integer utilityRent(const GameState &state, int total)
{
    const int factor = bothUtilitiesHeldByOne(state) ? UtilityFactorBoth : UtilityFactorOne;
    return saturate(static_cast<long long>(factor) * total);
}

Integer rentFor(const GameState &state, int square)
{
    if (state.Properties[square].Mortgaged)
        return 0;
    if (isStationSquare(square))
        return stationRent(state, square);
    if (isUtilitySquare(square))
        return utilityRent(state, state.DiceTotal);
    const StreetRents &rents = squareInfo(square).rents;
    if (!ownsColourGroup(state, state.Properties[square].Owner, square))
        return saturate(rents.bare);
    const Building &b = state.Buildings[square];
    if (b.Hotel)
        return saturate(rents.hotel);
    switch (b.Houses) {
    case 1: return saturate(rents.oneHouse);
    case 2: return saturate(rents.twoHouses);
    case 3: return saturate(rents.threeHouses);
    case 4: return saturate(rents.fourHouses);
    default: return saturate(2LL * rents.bare);
    }
}

Integer nearestStation(int square) { return static_cast<Integer>(nextSquareOfKind(square, SquareKind::Station)); }

Integer nearestUtility(int square) { return static_cast<Integer>(nextSquareOfKind(square, SquareKind::Utility)); }

bool housesEqual(const GameState &state, int a, int b, int c)
{
    const auto houses = [&](int sq) { return state.Buildings[sq].Houses; };
    if (houses(a) != houses(b))
        return false;
    return c == 0 || houses(a) == houses(c);
}

bool canBuild(const GameState &state, int player)
{
    for (int g = 0; g < GroupCount; ++g) {
        const auto streets = groupSquares(g);
        const bool noHotel = std::none_of(streets.begin(), streets.end(),
                                          [&](int sq) { return state.Buildings[sq].Hotel; });
        if (ownsColourGroup(state, player, streets.front()) && noHotel)
            return true;
    }
    return false;
}

// ---- building, selling and mortgaging -----------------------------------

int buildingCount(const GameState &state, int square)
{
    const Building &b = state.Buildings[square];
    return b.Hotel ? 5 : b.Houses;
}

int housesOf(const GameState &state, int player)
{
    int houses = 0;
    for (int sq = 0; sq < BoardSize; ++sq)
        if (state.holds(player, sq) && !state.Buildings[sq].Hotel)
            houses += state.Buildings[sq].Houses;
    return houses;
}

int hotelsOf(const GameState &state, int player)
{
    int hotels = 0;
    for (int sq = 0; sq < BoardSize; ++sq)
        hotels += state.holds(player, sq) && state.Buildings[sq].Hotel;
    return hotels;
}

bool groupHasBuildings(const GameState &state, int square)
{
    const auto streets = groupSquares(groupOf(square));
    return std::any_of(streets.begin(), streets.end(), [&](int sq) { return buildingCount(state, sq) > 0; });
}

bool groupHasMortgage(const GameState &state, int square)
{
    const auto streets = groupSquares(groupOf(square));
    return std::any_of(streets.begin(), streets.end(), [&](int sq) { return state.Properties[sq].Mortgaged; });
}

namespace {

// The fewest and the most buildings on a street of the square's group.
std::pair<int, int> groupRange(const GameState &state, int square)
{
    int fewest = 5, most = 0;
    for (const int sq : groupSquares(groupOf(square))) {
        fewest = std::min(fewest, buildingCount(state, sq));
        most = std::max(most, buildingCount(state, sq));
    }
    return {fewest, most};
}

} // namespace

bool mayBuildOn(const GameState &state, int player, int square)
{
    if (groupOf(square) < 0 || !ownsColourGroup(state, player, square) || groupHasMortgage(state, square))
        return false;
    const int count = buildingCount(state, square);
    if (count >= 5 || count != groupRange(state, square).first)
        return false;
    const SquareInfo &info = squareInfo(square);
    const int money = state.Players[player].Money;
    if (count < 4)
        return state.HousesLeft > 0 && money >= info.houseCost;
    return state.HotelsLeft > 0 && money >= info.hotelCost;
}

bool maySellFrom(const GameState &state, int player, int square)
{
    if (groupOf(square) < 0 || !state.holds(player, square))
        return false;
    const int count = buildingCount(state, square);
    return count > 0 && count == groupRange(state, square).second;
}

bool mayMortgage(const GameState &state, int player, int square)
{
    if (!isOwnable(square) || !state.holds(player, square) || state.Properties[square].Mortgaged)
        return false;
    return groupOf(square) < 0 || !groupHasBuildings(state, square);
}

bool mayUnmortgage(const GameState &state, int player, int square)
{
    return isOwnable(square) && state.holds(player, square) && state.Properties[square].Mortgaged &&
           state.Players[player].Money >= unmortgagePrice(square);
}

int unmortgagePrice(int square)
{
    const int value = squareInfo(square).mortgageValue;
    return value + (value + 9) / 10;
}

int houseSalePrice(int square) { return squareInfo(square).houseCost / 2; }
int hotelSalePrice(int square) { return squareInfo(square).hotelCost / 2; }

namespace {

// Every street of the square's group once the hotel on the square is sold.
std::vector<StreetLevel> groupAfterHotelSale(const GameState &state, int square)
{
    std::vector<StreetLevel> levels;
    for (const int sq : groupSquares(groupOf(square)))
        levels.push_back({sq, buildingCount(state, sq)});
    if (state.HousesLeft >= 4) {
        for (StreetLevel &level : levels)
            if (level.square == square)
                level.buildings = 4;
        return levels;
    }
    // No hotel can stay: the group shares out the houses of the bank and its
    // own.
    int houses = state.HousesLeft;
    for (const StreetLevel &level : levels)
        houses += level.buildings < 5 ? level.buildings : 0;
    // The odd houses stay where they stand, so that as few buildings as
    // possible change: on streets without a hotel first, the square sold last.
    std::vector<StreetLevel *> keepers;
    for (StreetLevel &level : levels)
        keepers.push_back(&level);
    const auto rank = [&](const StreetLevel *l) { return (l->buildings == 5) + (l->square == square); };
    std::stable_sort(keepers.begin(), keepers.end(),
                     [&](const StreetLevel *a, const StreetLevel *b) { return rank(a) < rank(b); });
    const int streets = static_cast<int>(keepers.size());
    for (int i = 0; i < streets; ++i) {
        const int share = houses / streets + (i < houses % streets);
        keepers[i]->buildings = std::min(keepers[i]->buildings, share);
    }
    return levels;
}

} // namespace

std::vector<StreetLevel> levelsAfterSale(const GameState &state, int square)
{
    if (state.Buildings[square].Hotel)
        return groupAfterHotelSale(state, square);
    return {{square, std::max(0, buildingCount(state, square) - 1)}};
}

int saleValue(const GameState &state, const StreetLevel &after)
{
    const int now = buildingCount(state, after.square);
    if (now <= after.buildings)
        return 0;
    if (now == 5)
        return hotelSalePrice(after.square) + (4 - after.buildings) * houseSalePrice(after.square);
    return (now - after.buildings) * houseSalePrice(after.square);
}

int nextSaleValue(const GameState &state, int square)
{
    int value = 0;
    for (const StreetLevel &after : levelsAfterSale(state, square))
        value += saleValue(state, after);
    return value;
}

Cash liquidValue(const GameState &state, int player)
{
    Cash value = state.Players[player].Money;
    for (const int sq : ownableSquares()) {
        if (!state.holds(player, sq))
            continue;
        const Building &b = state.Buildings[sq];
        if (b.Hotel)
            value += hotelSalePrice(sq) + 4 * houseSalePrice(sq);
        else
            value += b.Houses * houseSalePrice(sq);
        if (!state.Properties[sq].Mortgaged)
            value += squareInfo(sq).mortgageValue;
    }
    return value;
}

Cash netWorth(const GameState &state, int player)
{
    Cash worth = state.Players[player].Money;
    for (const int sq : ownableSquares()) {
        if (!state.holds(player, sq))
            continue;
        const SquareInfo &info = squareInfo(sq);
        const Building &b = state.Buildings[sq];
        worth += state.Properties[sq].Mortgaged ? info.mortgageValue : info.price;
        worth += b.Hotel ? 4 * info.houseCost + info.hotelCost : b.Houses * info.houseCost;
    }
    return worth;
}

} // namespace tycora
