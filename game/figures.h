#pragma once

// 16-bit figures (money, rent totals, landing counts) saturate at the ends of
// their range instead of wrapping: a long game may pile up more than 32767
// pounds of rent on a square, and a wrapped figure would lie to the player.

#include "game/game_state.h"

#include <algorithm>
#include <limits>

namespace tycora {

constexpr Integer saturate(long long value)
{
    constexpr long long lo = std::numeric_limits<Integer>::min();
    constexpr long long hi = std::numeric_limits<Integer>::max();
    return static_cast<Integer>(std::clamp(value, lo, hi));
}

// Adds delta to a 16-bit figure, stopping at -32768 or 32767.
inline void addSaturating(Integer &figure, long long delta)
{
    figure = saturate(static_cast<long long>(figure) + delta);
}

// The one place where a player's money changes.
inline void changeMoney(Player &player, long long delta)
{
    addSaturating(player.Money, delta);
}

} // namespace tycora
