#include "game/net_worth_history.h"

#include "game/rules.h"

#include <algorithm>

namespace tycora {

void NetWorthHistory::record(const GameState &state)
{
    // The players are fixed once the game has started; a history begun
    // before the set-up was done starts again.
    const int count = std::clamp<int>(state.PlayerCount, 0, MaxPlayers);
    if (count != players_)
        clear();
    players_ = count;
    const std::size_t sample = samples();
    for (int i = 0; i < count; ++i) {
        values_.push_back(tycora::netWorth(state, i));
        values_.push_back(state.Players[i].Money);
        if (state.Players[i].Bankrupt && bankruptAt_[i] < 0)
            bankruptAt_[i] = int(sample);
    }
}

void NetWorthHistory::clear()
{
    players_ = 0;
    values_.clear();
    bankruptAt_.fill(-1);
}

int NetWorthHistory::bankruptAt(int player) const
{
    return player >= 0 && player < players_ ? bankruptAt_[player] : -1;
}

} // namespace tycora
