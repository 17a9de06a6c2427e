#pragma once

// What trading does to full-rules games of computers: how many still end
// with a winner and how many trades they see, and how a computer that
// proposes trades fares against one that never does.

#include <vector>

namespace tycora::bench {

// How long each computer took over the start of its turns (where it
// proposes its trades, and builds), in milliseconds of processor time.
using TurnTimes = std::vector<double>;

struct TradingGames {
    int games = 0;
    int won = 0;              // ended with a winner within the turn limit
    long long trades = 0;
    TurnTimes turnTimes;
};

// Four full-rules computers trading, `games` games of at most `turnLimit`
// hand-overs.
TradingGames measureTradingGames(int games, long long turnLimit);

struct TradingDuel {
    int games = 0;
    int traderWins = 0;
    int nonTraderWins = 0;
    int undecided = 0;        // nobody won within the turn limit
    long long trades = 0;
    TurnTimes turnTimes;      // the trading computer's
};

// Two full-rules computers, one proposing trades and one that never
// proposes one (it answers offers by the same measure), taking turns at
// opening the game.
TradingDuel measureTradingDuel(int games, long long turnLimit);

} // namespace tycora::bench
