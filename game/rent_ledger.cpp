#include "game/rent_ledger.h"

#include <algorithm>

namespace tycora {

void RentLedger::record(const GameState &state)
{
    for (int sq = 0; sq < BoardSize; ++sq) {
        const int total = state.SquareStats[sq].TotalRent;
        const int gained = total - lastTotals_[sq];
        lastTotals_[sq] = total;
        const Property &deed = state.Properties[sq];
        if (!started_ || gained <= 0 || !deed.Owned || !inRange(deed.Owner))
            continue;
        paid_[turnOf_] += gained;
        received_[deed.Owner] += gained;
        earned_[deed.Owner][sq] += gained;
    }
    started_ = true;
    turnOf_ = std::clamp<int>(state.CurrentPlayer, 0, MaxPlayers - 1);
}

int RentLedger::earned(int player, int square) const
{
    return inRange(player) && square >= 0 && square < BoardSize ? earned_[player][square] : 0;
}

std::vector<int> RentLedger::topSquares(int player, int count) const
{
    std::vector<int> squares;
    if (!inRange(player))
        return squares;
    for (int sq = 0; sq < BoardSize; ++sq)
        if (earned_[player][sq] > 0)
            squares.push_back(sq);
    std::stable_sort(squares.begin(), squares.end(),
                     [&](int a, int b) { return earned_[player][a] > earned_[player][b]; });
    if (int(squares.size()) > count)
        squares.resize(std::size_t(std::max(count, 0)));
    return squares;
}

} // namespace tycora
