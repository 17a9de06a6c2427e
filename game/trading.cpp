#include "game/trading.h"

#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"
#include "game/user_text.h"

#include <algorithm>

namespace tycora {

namespace {

bool contains(const std::vector<int> &list, int value) { return std::find(list.begin(), list.end(), value) != list.end(); }

std::vector<std::string> itemNames(const GameState &state, const TradeSide &side)
{
    std::vector<std::string> names;
    for (const int sq : side.deeds)
        names.push_back(sq >= 0 && sq < BoardSize ? std::string(squareInfo(sq).name) : "?");
    if (side.cash > 0)
        names.push_back(pounds(side.cash));
    for (int i = 0; i < side.jailCards; ++i)
        names.push_back(userText("Trading", "Get Out of Jail Free card"));
    return names;
}

// Why one side cannot hand over its items, or empty.
std::string sideProblem(const GameState &state, int giver, const TradeSide &side)
{
    const Player &p = state.Players[giver];
    for (std::size_t i = 0; i < side.deeds.size(); ++i) {
        const int sq = side.deeds[i];
        if (sq < 0 || sq >= BoardSize || !isOwnable(sq))
            return userText("Trading", "square %1 is no deed").arg(number(sq));
        const std::string_view name = squareInfo(sq).name;
        if (std::count(side.deeds.begin(), side.deeds.end(), sq) > 1)
            return userText("Trading", "%1 is named twice").arg(name);
        if (!state.holds(giver, sq))
            return userText("Trading", "%1 does not hold %2").arg(p.Name, name);
        if (groupOf(sq) >= 0 && groupHasBuildings(state, sq))
            return userText("Trading", "%1 is in a group with buildings").arg(name);
    }
    if (side.cash < 0 || side.cash > p.Money)
        return userText("Trading", "%1 does not have %2").arg(p.Name, pounds(side.cash));
    if (side.jailCards < 0 || side.jailCards > state.jailCards(giver))
        return (side.jailCards == 1 ? userText("Trading", "%1 does not hold %2 Get Out of Jail Free card")
                                    : userText("Trading", "%1 does not hold %2 Get Out of Jail Free cards"))
            .arg(p.Name, number(side.jailCards));
    return {};
}

} // namespace

bool mayTradeDeed(const GameState &state, int player, int square)
{
    return isOwnable(square) && state.holds(player, square) && !state.Players[player].Bankrupt &&
           (groupOf(square) < 0 || !groupHasBuildings(state, square));
}

std::vector<int> tradeableDeeds(const GameState &state, int player)
{
    std::vector<int> deeds;
    for (const int sq : ownableSquares())
        if (mayTradeDeed(state, player, sq))
            deeds.push_back(sq);
    return deeds;
}

std::string tradeItemsProblem(const GameState &state, const TradeOffer &offer)
{
    const auto valid = [&](int p) { return p >= 0 && p < state.PlayerCount; };
    if (!valid(offer.from) || !valid(offer.to) || offer.from == offer.to)
        return userText("Trading", "a trade is between two different players");
    if (state.Players[offer.from].Bankrupt || state.Players[offer.to].Bankrupt)
        return userText("Trading", "a bankrupt player cannot trade");
    if (offer.gives.empty() && offer.gets.empty())
        return userText("Trading", "neither side gives anything");
    if (std::string problem = sideProblem(state, offer.from, offer.gives); !problem.empty())
        return problem;
    return sideProblem(state, offer.to, offer.gets);
}

int mortgageInterest(int square) { return (squareInfo(square).mortgageValue + 9) / 10; }

Cash mortgageCharges(const GameState &state, const std::vector<int> &deeds, const std::vector<int> &lifts)
{
    Cash charges = 0;
    for (const int sq : deeds)
        if (sq >= 0 && sq < BoardSize && state.Properties[sq].Mortgaged)
            charges += contains(lifts, sq) ? unmortgagePrice(sq) : mortgageInterest(sq);
    return charges;
}

std::string tradeLapse(const GameState &state, const TradeOffer &offer, const std::vector<int> &receiverLifts)
{
    if (std::string problem = tradeItemsProblem(state, offer); !problem.empty())
        return problem;
    const auto shortOf = [&](int player, const TradeSide &out, const TradeSide &in, const std::vector<int> &lifts) {
        const Cash charges = mortgageCharges(state, in.deeds, lifts);
        return charges > 0 && state.Players[player].Money - out.cash + in.cash < charges;
    };
    if (shortOf(offer.to, offer.gets, offer.gives, receiverLifts))
        return userText("Trading", "%1 cannot pay for the mortgaged deeds").arg(state.Players[offer.to].Name);
    if (shortOf(offer.from, offer.gives, offer.gets, offer.lifts))
        return userText("Trading", "%1 cannot pay for the mortgaged deeds").arg(state.Players[offer.from].Name);
    return {};
}

std::string tradeItemsText(const GameState &state, const TradeSide &side)
{
    const std::vector<std::string> names = itemNames(state, side);
    if (names.empty())
        return userText("Trading", "nothing");
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i ? ", " : "") + names[i];
    return text;
}

std::string tradeSummary(const GameState &state, const TradeOffer &offer)
{
    const auto side = [&](int player, const TradeSide &items) {
        const std::vector<std::string> names = itemNames(state, items);
        const std::string &name = state.Players[player].Name;
        if (names.empty())
            return userText("Trading", "%1 gives nothing").arg(name);
        std::string list = names.front();
        for (std::size_t i = 1; i < names.size(); ++i)
            list = i + 1 == names.size() ? userText("Trading", "%1 and %2").arg(list, names[i])
                                         : list + ", " + names[i];
        return userText("Trading", "%1 gives %2").arg(name, list);
    };
    return side(offer.from, offer.gives) + "; " + side(offer.to, offer.gets);
}

} // namespace tycora
