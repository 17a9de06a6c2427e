#include "game/rules.h"

#include "game/board.h"
#include "game/figures.h"

#include <algorithm>
#include <array>

namespace tycora {

namespace {

constexpr std::array<int, 4> Stations{5, 15, 25, 35};
constexpr std::array<int, 2> Utilities{12, 28};

// The colour group whose streets include the square, or -1; worked out
// once from the board's groups.
int groupOfStreet(int square)
{
    static const std::array<int, SquareCount> groupOf = [] {
        std::array<int, SquareCount> table;
        table.fill(-1);
        for (int g = 0; g < GroupCount; ++g)
            for (int sq : groupSquares(g))
                table[sq] = g;
        return table;
    }();
    return square >= 0 && square < SquareCount ? groupOf[square] : -1;
}

bool holdsAll(const GameState &state, int player, std::span<const int> squares)
{
    return std::all_of(squares.begin(), squares.end(), [&](int sq) { return state.holds(player, sq); });
}

} // namespace

bool isOwnable(int square)
{
    const auto all = ownableSquares();
    return std::find(all.begin(), all.end(), square) != all.end();
}

bool isStationSquare(int square) { return std::find(Stations.begin(), Stations.end(), square) != Stations.end(); }

bool isUtilitySquare(int square) { return square == Utilities[0] || square == Utilities[1]; }

bool ownsColourGroup(const GameState &state, int player, int square)
{
    const int group = groupOfStreet(square);
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

Integer stationRent(const GameState &state, int square)
{
    const Property &deed = state.Properties[square];
    if (!deed.Owned)
        return 0;
    const auto held = std::count_if(Stations.begin(), Stations.end(),
                                    [&](int sq) { return state.holds(deed.Owner, sq); });
    return stationRentForHeld(static_cast<int>(held));
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
    const Property &electric = state.Properties[Utilities[0]];
    return electric.Owned && state.holds(electric.Owner, Utilities[1]);
}

Integer utilityRent(const GameState &state, int total)
{
    const int factor = bothUtilitiesHeldByOne(state) ? UtilityFactorBoth : UtilityFactorOne;
    return saturate(static_cast<long long>(factor) * total);
}

Integer rentFor(const GameState &state, int square)
{
    if (isStationSquare(square))
        return stationRent(state, square);
    if (isUtilitySquare(square))
        return utilityRent(state, state.DiceTotal);
    const Property &deed = state.Properties[square];
    if (!ownsColourGroup(state, deed.Owner, square))
        return deed.Rent;
    const Building &b = state.Buildings[square];
    if (b.Hotel)
        return deed.RentHotel;
    switch (b.Houses) {
    case 1: return deed.Rent1House;
    case 2: return deed.Rent2Houses;
    case 3: return deed.Rent3Houses;
    case 4: return deed.Rent4Houses;
    default: return saturate(2LL * deed.Rent);
    }
}

Integer nearestStation(int square)
{
    if (square >= 6 && square <= 14)
        return 15;
    if (square >= 16 && square <= 24)
        return 25;
    if (square >= 26 && square <= 34)
        return 35;
    return 5;
}

Integer nearestUtility(int square) { return (square >= 13 && square <= 27) ? 28 : 12; }

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

} // namespace tycora
