// Saving and resuming: when the game stands still enough to be written
// down, and how the engine goes on from a game read back.

#include "game/engine.h"

#include <algorithm>

namespace tycora {

bool Engine::settled() const
{
    if (phase_ == Phase::Over)
        return winner() >= 0;
    return phase_ == Phase::ToThrow && !tmrMovePiece_.enabled() && !debt_ && !auction_ && !state_.MoveFlag && !thinking();
}

void Engine::resume(const EngineProgress &progress)
{
    handOvers_ = progress.handOvers;
    throws_ = progress.throws;
    if (options_.freeParkingPot)
        screen_.showFreeParking(state_.FreeParking);
    if (fullRules() && playersLeft() == 1) {
        phase_ = Phase::Over;
        return;
    }
    phase_ = Phase::ToThrow;
    const int current = state_.CurrentPlayer;
    screen_.showCurrentPlayer();
    // A computer did what it does before its throw (building, lifting
    // mortgages) before the game was saved: only its pause begins again.
    controller(current).resumeTurn(*this, current);
    refreshActions();
}

} // namespace tycora
