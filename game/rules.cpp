#include "game/rules.h"

#include "game/board.h"
#include "game/figures.h"

#include <algorithm>
#include <array>

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

bool onBoard(int square) { return square >= 0 && square < BoardSize; }

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

Integer stationRent(const GameState &state, int square)
{
    const Property &deed = state.Properties[square];
    if (!deed.Owned)
        return 0;
    const auto held = std::count_if(stations().begin(), stations().end(),
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

} // namespace tycora
