#pragma once

// The windowed game's dice draw from the run-time generator; a loaded game
// draws from the saved generator, moved on to where it stood, so that its
// dice fall as they would have had the game never stopped.

#include "game/dice.h"
#include "game/saved_game.h"
#include "toolkit/runtime_services.h"

#include <optional>

namespace tycora::app {

class GameRandom final : public RandomSource {
public:
    explicit GameRandom(ui::RuntimeServices &services) : services_(services) {}
    double next() override { return own_ ? own_->next() : services_.random(); }

    // Where the dice stand, for a saved game. A run-time generator that
    // cannot say is written as the start of seed 0.
    DicePosition position() const;
    void continueFrom(const DicePosition &position);

private:
    ui::RuntimeServices &services_;
    std::optional<SeededRandom> own_;
};

} // namespace tycora::app
