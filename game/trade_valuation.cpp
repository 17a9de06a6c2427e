#include "game/trade_valuation.h"

#include "game/computer_players.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/trading.h"

#include <algorithm>

namespace tycora {

namespace {

// A group held whole is worth the rent its streets earn with three houses.
long long groupBonus(int group)
{
    long long bonus = 0;
    for (const int sq : groupSquares(group))
        bonus += squareInfo(sq).rents.threeHouses;
    return bonus;
}

int heldIn(const GameState &state, int player, int group, bool &othersHold)
{
    int held = 0;
    othersHold = false;
    for (const int sq : groupSquares(group)) {
        if (state.holds(player, sq))
            ++held;
        else if (state.Properties[sq].Owned)
            othersHold = true;
    }
    return held;
}

bool holdsWholeGroup(const GameState &state, int player, int group)
{
    bool othersHold = false;
    return heldIn(state, player, group, othersHold) == static_cast<int>(groupSquares(group).size());
}

} // namespace

long long positionValue(const GameState &state, int player)
{
    const Cash money = state.Players[player].Money;
    const Cash reserve = FullRulesComputer::reserve(state, player);
    // Cash below the reserve is worth more: without it a rent means selling.
    long long value = money + std::max<Cash>(0, std::min(money, reserve)) / 2;
    int stations = 0, utilities = 0;
    for (const int sq : ownableSquares()) {
        if (!state.holds(player, sq))
            continue;
        value += squareInfo(sq).price - (state.Properties[sq].Mortgaged ? unmortgagePrice(sq) : 0);
        stations += isStationSquare(sq);
        utilities += isUtilitySquare(sq);
    }
    for (int g = 0; g < GroupCount; ++g) {
        bool othersHold = false;
        const int held = heldIn(state, player, g, othersHold);
        const int size = static_cast<int>(groupSquares(g).size());
        if (held == size)
            value += groupBonus(g);
        else if (held > 0 && !othersHold)
            value += groupBonus(g) * held / size / 4;   // on the way to a whole group
    }
    value += stations * (stationRentForHeld(stations) - stationRentForHeld(1));
    value += utilities == 2 ? 100 : 0;
    return value;
}

GameState stateAfterTrade(const GameState &state, const TradeOffer &offer)
{
    GameState after = state;
    const auto hand = [&](int giver, int receiver, const TradeSide &side) {
        after.Players[giver].Money -= side.cash;
        after.Players[receiver].Money += side.cash;
        for (const int sq : side.deeds) {
            after.Properties[sq].Owner = static_cast<Integer>(receiver);
            if (after.Properties[sq].Mortgaged)
                after.Players[receiver].Money -= mortgageInterest(sq);
        }
        int cards = side.jailCards;
        for (int &holder : after.JailCardHolder)
            if (cards > 0 && holder == giver) {
                holder = receiver;
                --cards;
            }
    };
    hand(offer.from, offer.to, offer.gives);
    hand(offer.to, offer.from, offer.gets);
    return after;
}

bool clearlyLeading(const GameState &state, int player)
{
    const Cash worth = netWorth(state, player);
    for (int i = 0; i < state.PlayerCount; ++i)
        if (i != player && !state.Players[i].Bankrupt && worth * 10 < netWorth(state, i) * 13)
            return false;
    return true;
}

namespace {

struct Gains {
    long long mine = 0;
    long long theirs = 0;
};

Gains gains(const GameState &state, const TradeOffer &offer, int me)
{
    const int them = me == offer.from ? offer.to : offer.from;
    const GameState after = stateAfterTrade(state, offer);
    return {positionValue(after, me) - positionValue(state, me), positionValue(after, them) - positionValue(state, them)};
}

} // namespace

long long tradeEdge(const GameState &state, const TradeOffer &offer, int me)
{
    const Gains g = gains(state, offer, me);
    return g.mine - std::max(0LL, g.theirs);
}

long long tradeScore(const GameState &state, const TradeOffer &offer, int me)
{
    const int them = me == offer.from ? offer.to : offer.from;
    const GameState after = stateAfterTrade(state, offer);
    const long long mine = positionValue(after, me) - positionValue(state, me);
    const long long theirs = positionValue(after, them) - positionValue(state, them);
    bool completesTheirs = false;
    for (int g = 0; g < GroupCount; ++g)
        completesTheirs |= holdsWholeGroup(after, them, g) && !holdsWholeGroup(state, them, g);
    if (theirs <= 0)
        return mine;
    return completesTheirs && clearlyLeading(state, them) ? mine - theirs : mine - theirs / 2;
}

} // namespace tycora
