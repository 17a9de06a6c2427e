#pragma once

// Why a deed action of the button row is closed to the person at the board
// (Full rules): "Hold every street of a colour group to build", "A house on
// Mayfair costs £200; you have £150". The texts are the disabled buttons'
// tooltips; an action that is open gets none.

#include <string>

namespace tycora {
class Engine;
struct AvailableActions;
struct GameState;
} // namespace tycora

namespace tycora::ui {

struct ActionHints {
    std::string build, sell, mortgage, unmortgage;
};

ActionHints actionHints(const GameState &state, const Engine &engine, const AvailableActions &open);

} // namespace tycora::ui
