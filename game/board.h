#pragma once

// The fixed board: 40 squares, their title deeds and colour groups.

#include "game/game_state.h"

#include <array>
#include <span>
#include <string>

namespace tycora {

// Square numbers with a role of their own.
namespace squares {
constexpr int Go = 0;
constexpr int OldKentRoad = 1;
constexpr int IncomeTax = 4;
constexpr int EustonRoad = 8;
constexpr int Jail = 10;
constexpr int ElectricCompany = 12;
constexpr int FreeParking = 20;
constexpr int WaterWorks = 28;
constexpr int GoToJail = 30;
constexpr int SuperTax = 38;
constexpr int Mayfair = 39;
} // namespace squares

constexpr int GroupCount = 8;

// The streets of each colour group, in board order.
std::span<const int> groupSquares(int group);

// The 28 squares that can be bought, in board order.
std::span<const int> ownableSquares();

void setStreet(GameState &state, Integer square, const std::string &name, Long group, Integer price,
               Integer mortgageValue, Integer houseCost, Integer hotelCost, Integer rent, Integer rent1House,
               Integer rent2Houses, Integer rent3Houses, Integer rent4Houses, Integer rentHotel);
void setStation(GameState &state, Integer square, const std::string &name);
void setUtility(GameState &state, Integer square, const std::string &name);

// Fills the title-deed table. Ownership and buildings are left alone, so
// loading again during a game changes nothing.
void loadBoard(GameState &state);

} // namespace tycora
