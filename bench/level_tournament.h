#pragma once

// Tournaments between computer levels under Full rules: fixed seeds, every
// seed played with the seats swapped, each game to its winner or the limit.

#include "game/computer_level.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tycora::bench {

// Who sits in a seat: a level, or the frozen reference computer.
enum class Contender { Easy, Normal, Hard, Reference };
std::string contenderName(Contender c);

struct PairingResult {
    Contender first{};
    Contender second{};
    int players = 2;          // 2, or 4 (two of each)
    int games = 0;
    int firstWins = 0;
    int secondWins = 0;
    int undecided = 0;
    std::vector<double> hardDecisionMs;   // every looked-ahead decision's time
};

// `seeds` seeds, each played twice with the seats swapped.
PairingResult playPairing(Contender first, Contender second, int players, int seeds, std::uint64_t seedBase,
                          long long turnLimit);

// The share of decided games the first contender won, with its 95%
// (Wilson) interval.
struct Share {
    double rate = 0;
    double low = 0;
    double high = 0;
};
Share firstShare(const PairingResult &result);

} // namespace tycora::bench
