#pragma once

// Every player's net worth and cash, sampled when the game starts, after
// each hand-over of the turn and when a player has won: the figures behind
// the net-worth chart. Net worth is counted as the winner's table counts it
// (rules.h netWorth). A sample takes eight bytes a player, so a long game's
// history stays small.

#include "game/game_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tycora {

class NetWorthHistory {
public:
    // Takes a sample of every player in the game now.
    void record(const GameState &state);
    void clear();

    int players() const { return players_; }
    std::size_t samples() const { return players_ > 0 ? values_.size() / (2 * std::size_t(players_)) : 0; }
    int netWorth(std::size_t sample, int player) const { return values_[index(sample, player)]; }
    int cash(std::size_t sample, int player) const { return values_[index(sample, player) + 1]; }
    // The first sample at which the player was bankrupt; -1 while they are not.
    int bankruptAt(int player) const;

    // The memory the samples take, in bytes.
    std::size_t bytes() const { return sizeof(*this) + values_.capacity() * sizeof(std::int32_t); }

private:
    std::size_t index(std::size_t sample, int player) const
    {
        return (sample * std::size_t(players_) + std::size_t(player)) * 2;
    }

    int players_ = 0;
    std::vector<std::int32_t> values_;   // per sample, per player: net worth, cash
    std::array<int, MaxPlayers> bankruptAt_{-1, -1, -1, -1};
};

} // namespace tycora
