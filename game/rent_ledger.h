#pragma once

// Who paid rent to whom, and which squares earned it, worked out from the
// squares' rent totals at each sample (game start, every hand-over, the
// win): rent is paid only by the player whose turn it is, to the owner of
// the square landed on, so what a square's total gained in a turn is rent
// the player of that turn paid to its owner.

#include "game/game_state.h"

#include <array>
#include <vector>

namespace tycora {

class RentLedger {
public:
    void record(const GameState &state);

    int paid(int player) const { return inRange(player) ? paid_[player] : 0; }
    int received(int player) const { return inRange(player) ? received_[player] : 0; }
    // The rent the player has received from the square.
    int earned(int player, int square) const;
    // The squares that earned the player rent, most first (ties by square),
    // at most `count` of them.
    std::vector<int> topSquares(int player, int count) const;

private:
    static bool inRange(int player) { return player >= 0 && player < MaxPlayers; }

    bool started_ = false;
    int turnOf_ = 0;   // the player whose turn it was at the last sample
    std::array<int, BoardSize> lastTotals_{};
    std::array<int, MaxPlayers> paid_{};
    std::array<int, MaxPlayers> received_{};
    std::array<std::array<int, BoardSize>, MaxPlayers> earned_{};
};

} // namespace tycora
