#pragma once

// Filling the title-deed records of the game state from the board table.

#include "game/game_state.h"
#include "game/square_table.h"

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

void setStreet(GameState &state, Integer square, const std::string &name, Long group, Integer price,
               Integer mortgageValue, Integer houseCost, Integer hotelCost, Integer rent, Integer rent1House,
               Integer rent2Houses, Integer rent3Houses, Integer rent4Houses, Integer rentHotel);
void setStation(GameState &state, Integer square, const std::string &name);
void setUtility(GameState &state, Integer square, const std::string &name);

// Fills the title-deed records from the board table, one setter per square
// that can be owned. Ownership and buildings are left alone, so loading
// again during a game changes nothing.
void loadBoard(GameState &state);

} // namespace tycora
