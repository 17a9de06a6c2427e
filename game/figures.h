#pragma once

// 16-bit figures (rent totals, landing counts, and money under Classic
// rules) saturate at the ends of their range instead of wrapping: a long game
// may pile up more than 32767 pounds of rent on a square, and a wrapped
// figure would lie to the player.

#include "game/game_options.h"
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

// A balance or the Free Parking pot after a change. Under Classic rules
// money is a 16-bit figure like every other and stops at the ends of its
// range; under Full rules it holds the whole sum, so that every change of a
// balance is the amount the log states.
constexpr Cash moneyAfter(Cash money, long long delta, RuleSet rules)
{
    return rules == RuleSet::Full ? money + delta : saturate(money + delta);
}

} // namespace tycora
