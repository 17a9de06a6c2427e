#pragma once

// Questions the rules ask of the board: what a square is, who holds what,
// what rent is due, and what may be built, sold or mortgaged. None of them
// changes anything.

#include "game/game_state.h"

#include <vector>

namespace tycora {

bool isOwnable(int square);
bool isStationSquare(int square);
bool isUtilitySquare(int square);

// The player holds every street of the square's colour group. False for any
// square that is not a street.
bool ownsColourGroup(const GameState &state, int player, int square);
bool ownsAnyColourGroup(const GameState &state, int player);

int stationsHeldBy(const GameState &state, int player);
// Station rent by how many stations the owner holds (1..4; 0 otherwise).
Integer stationRentForHeld(int held);
Integer stationRent(const GameState &state, int square);
// The dice are multiplied by 4, or by 10 when one player holds both.
constexpr int UtilityFactorOne = 4;
constexpr int UtilityFactorBoth = 10;
bool bothUtilitiesHeldByOne(const GameState &state);
Integer utilityRent(const GameState &state, int total);
// The rent due on a held square from anyone but its holder; none on a
// mortgaged square.
Integer rentFor(const GameState &state, int square);

// The squares a Chance card sends a piece to from where it stands.
Integer nearestStation(int square);
Integer nearestUtility(int square);

// Same number of houses on the squares; c == 0 compares only a and b.
bool housesEqual(const GameState &state, int a, int b, int c);
// The player holds a whole colour group with no hotel on it.
bool canBuild(const GameState &state, int player);

// ---- building, selling and mortgaging under Full rules -------------------

// Buildings on a street, a hotel counting as five.
int buildingCount(const GameState &state, int square);
int housesOf(const GameState &state, int player);   // houses on streets without a hotel
int hotelsOf(const GameState &state, int player);
// Some street of the square's colour group has a building, or a mortgage.
bool groupHasBuildings(const GameState &state, int square);
bool groupHasMortgage(const GameState &state, int square);

// The next building of the street may be put up by its holder: a whole,
// unmortgaged group, built evenly, with a house or hotel in the bank and
// the cost in cash.
bool mayBuildOn(const GameState &state, int player, int square);
// A building of the street may be sold back: evenly in reverse, from a
// street with no fewer buildings than any other of its group.
bool maySellFrom(const GameState &state, int player, int square);
bool mayMortgage(const GameState &state, int player, int square);
bool mayUnmortgage(const GameState &state, int player, int square);

// The mortgage value and a tenth more, rounded up to the pound.
int unmortgagePrice(int square);
// What a building sells back for: half its cost.
int houseSalePrice(int square);
int hotelSalePrice(int square);
// What a street keeps after a sale, in buildings (a hotel counts as five).
struct StreetLevel {
    int square = 0;
    int buildings = 0;
};
// Every street the next sale from the square changes: the street one house
// down; or, for a hotel, the street back to four houses while the bank has
// four to give. Without them no hotel of the group could stay beside the
// street, so the whole group comes down evenly to the houses the bank and
// the group hold between them.
std::vector<StreetLevel> levelsAfterSale(const GameState &state, int square);
// What bringing a street from its buildings now down to `buildings` brings:
// half the cost of each building sold, a hotel's houses that do not stay
// sold with it.
int saleValue(const GameState &state, const StreetLevel &after);
// What selling the street's next building brings, with all it takes along.
int nextSaleValue(const GameState &state, int square);

// Leaving jail: the fine, and the throws a player has to throw a double
// before the fine is due.
constexpr int JailFine = 50;
constexpr int ThrowsInJail = 3;

// What everything the player holds would fetch at once: cash, half the cost
// of every building and the mortgage value of every unmortgaged deed.
Cash liquidValue(const GameState &state, int player);
// Cash, the price of every deed (its mortgage value when mortgaged) and the
// cost of every building.
Cash netWorth(const GameState &state, int player);

} // namespace tycora
