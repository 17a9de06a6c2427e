#pragma once

// The forty squares of the board: for each one what it is and every figure
// printed on its title deed. This table is the one description of the board:
// the rules, the windows (tooltips, deed and statistics cards, mini deeds)
// and the art (tile names, prices, colour strips) all read it, so a figure
// changed here changes the tile, the deed card and the rent together.

#include "game/palette.h"

#include <array>
#include <span>
#include <string_view>

namespace tycora {

enum class SquareKind { Go, Street, Station, Utility, Tax, Chance, CommunityChest, Jail, FreeParking, GoToJail };

// Rent of a street by what stands on it: the bare site, 1 to 4 houses, a hotel.
struct StreetRents {
    int bare = 0;
    int oneHouse = 0;
    int twoHouses = 0;
    int threeHouses = 0;
    int fourHouses = 0;
    int hotel = 0;
};

struct SquareInfo {
    SquareKind kind = SquareKind::Go;
    std::string_view name;    // the title deed's name; empty where nobody can own the square
    std::string_view title;   // what the board calls the square: the deed's name, or "GO", "Chance", ...
    int group = -1;           // colour group 0..7 of a street, -1 for every other square
    int price = 0;
    int mortgageValue = 0;
    int houseCost = 0;
    int hotelCost = 0;
    StreetRents rents;
    int tax = 0;              // what a tax square charges

    constexpr bool ownable() const
    {
        return kind == SquareKind::Street || kind == SquareKind::Station || kind == SquareKind::Utility;
    }
};

constexpr int BoardSize = 40;

constexpr bool onBoard(int square) { return square >= 0 && square < BoardSize; }

// Square numbers with a role of their own.
namespace squares {
constexpr int Go = 0;
constexpr int OldKentRoad = 1;
constexpr int WhitechapelRoad = 3;
constexpr int IncomeTax = 4;
constexpr int EustonRoad = 8;
constexpr int Jail = 10;
constexpr int PallMall = 11;
constexpr int ElectricCompany = 12;
constexpr int MaryleboneStation = 15;
constexpr int FreeParking = 20;
constexpr int TrafalgarSquare = 24;
constexpr int WaterWorks = 28;
constexpr int GoToJail = 30;
constexpr int SuperTax = 38;
constexpr int Mayfair = 39;
} // namespace squares
// What a player collects for passing GO.
constexpr int GoSalary = 200;
constexpr int GroupCount = 8;

// The square numbered 0..39; square 0 for any other number.
const SquareInfo &squareInfo(int square);

// A colour group: its name, the colour of its strip and its streets in
// board order.
struct ColourGroup {
    std::string_view name;
    Rgb strip;
    std::array<int, 3> streets;
    int size;

    constexpr std::span<const int> squares() const { return std::span<const int>(streets.data(), size); }
};

// Groups 0..7 in board order.
const ColourGroup &colourGroup(int group);

// The streets of a colour group in board order; empty for any other number.
std::span<const int> groupSquares(int group);
// The colour group of a street, -1 for every other square.
int groupOf(int square);

// The 28 squares that can be bought, in board order.
std::span<const int> ownableSquares();

// How many squares of its set come before the square on the board: a
// street's set is its colour group, any other square's all squares of its
// kind (so the first utility is 0 and the second 1).
int indexInItsSet(int square);

// The first square of the kind that a piece meets walking forward from the
// square it stands on (the square itself not counted).
int nextSquareOfKind(int from, SquareKind kind);

} // namespace tycora
