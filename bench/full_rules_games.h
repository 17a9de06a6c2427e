#pragma once

// How full-rules games end: over many games of computer players, how many
// reach a winner and after how many hand-overs of the turn; and how the
// full-rules computer fares against the classic computer's rule.

#include <vector>

namespace tycora::bench {

struct GameLengths {
    int games = 0;
    int won = 0;                  // ended with a winner within the turn limit
    std::vector<long long> turns; // hand-overs of the games that were won, sorted
    long long percentile(int p) const;
};

// Four full-rules computers, `games` games of at most `turnLimit` hand-overs.
GameLengths measureFullRulesGames(int games, long long turnLimit);

struct HeadToHead {
    int games = 0;
    int fullWins = 0;
    int classicWins = 0;
    int undecided = 0;            // nobody won within the turn limit
};

// Two players under full rules, one playing the full-rules computer and the
// other the classic computer's rule, taking turns at opening the game.
HeadToHead measureHeadToHead(int games, long long turnLimit);

} // namespace tycora::bench
