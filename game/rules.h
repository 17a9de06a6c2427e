#pragma once

// Questions the rules ask of the board: what a square is, who holds what,
// and what rent is due. None of them changes anything.

#include "game/game_state.h"

namespace tycora {

bool isOwnable(int square);
bool isStationSquare(int square);
bool isUtilitySquare(int square);

// The player holds every street of the square's colour group. False for any
// square that is not a street.
bool ownsColourGroup(const GameState &state, int player, int square);
bool ownsAnyColourGroup(const GameState &state, int player);

// Station rent by how many stations the owner holds (1..4; 0 otherwise).
Integer stationRentForHeld(int held);
Integer stationRent(const GameState &state, int square);
// The dice are multiplied by 4, or by 10 when one player holds both.
constexpr int UtilityFactorOne = 4;
constexpr int UtilityFactorBoth = 10;
bool bothUtilitiesHeldByOne(const GameState &state);
Integer utilityRent(const GameState &state, int total);
// The rent due on a held square from anyone but its holder.
Integer rentFor(const GameState &state, int square);

// The squares a Chance card sends a piece to from where it stands.
Integer nearestStation(int square);
Integer nearestUtility(int square);

// Same number of houses on the squares; c == 0 compares only a and b.
bool housesEqual(const GameState &state, int a, int b, int c);
// The player holds a whole colour group with no hotel on it.
bool canBuild(const GameState &state, int player);

} // namespace tycora
