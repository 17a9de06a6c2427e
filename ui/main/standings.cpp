#include "ui/main/standings.h"

#include "game/game_state.h"
#include "game/rules.h"
#include "game/square_table.h"

#include <algorithm>

namespace tycora::ui {

std::vector<Standing> standings(const GameState &state, int winner)
{
    std::vector<Standing> out;
    for (int i = 0; i < state.PlayerCount && i < MaxPlayers; ++i) {
        const Player &p = state.Players[i];
        Standing s;
        s.player = i;
        s.name = p.Name;
        s.cash = p.Money;
        for (const int square : ownableSquares())
            s.deeds += state.holds(i, square) ? 1 : 0;
        s.houses = housesOf(state, i);
        s.hotels = hotelsOf(state, i);
        s.netWorth = netWorth(state, i);
        s.bankruptOrder = p.Bankrupt ? p.BankruptOrder : 0;
        out.push_back(s);
    }
    // The winner, anyone else still playing by worth, then the bankrupt
    // from the last to go.
    const auto rank = [winner](const Standing &s) { return s.player == winner ? 0 : s.bankruptOrder == 0 ? 1 : 2; };
    std::stable_sort(out.begin(), out.end(), [&](const Standing &a, const Standing &b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        if (rank(a) == 1)
            return a.netWorth > b.netWorth;
        return a.bankruptOrder > b.bankruptOrder;
    });
    return out;
}

std::string ordinal(int n)
{
    const int lastTwo = n % 100;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return std::to_string(n) + suffix;
}

} // namespace tycora::ui
