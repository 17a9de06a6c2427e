#include "app/game_random.h"

namespace tycora::app {

DicePosition GameRandom::position() const
{
    if (own_)
        return {own_->seed(), own_->draws(), {}};
    const auto at = services_.randomPosition();
    return at ? DicePosition{at->seed, at->draws, {}} : DicePosition{};
}

void GameRandom::continueFrom(const DicePosition &position)
{
    own_.emplace(position.seed);
    own_->skip(position.draws);
}

} // namespace tycora::app
