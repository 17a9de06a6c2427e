#pragma once

// The computer player that plays a level under Full rules: Easy, Normal
// (the full-rules computer) or Hard.

#include "game/computer_level.h"
#include "game/player_controller.h"

#include <memory>

namespace tycora {

std::unique_ptr<PlayerController> makeFullRulesComputer(ComputerLevel level);

} // namespace tycora
