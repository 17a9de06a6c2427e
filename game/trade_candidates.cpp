#include "game/trade_candidates.h"

#include "game/rules.h"
#include "game/square_table.h"
#include "game/trade_valuation.h"
#include "game/trading.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tycora {

namespace {

// Cash is priced in steps of this much.
constexpr Cash Step = 10;

// What the receiver of `deeds` pays the bank for the mortgaged ones.
Cash interestOn(const GameState &state, const std::vector<int> &deeds)
{
    return mortgageCharges(state, deeds, {});
}

TradeOffer withCash(TradeOffer offer, Cash cash)
{
    offer.gives.cash = std::max<Cash>(cash, 0);
    offer.gets.cash = std::max<Cash>(-cash, 0);
    return offer;
}

} // namespace

bool hopesForGroup(const GameState &state, int player, int group)
{
    std::array<int, MaxPlayers> held{};
    for (const int sq : groupSquares(group))
        if (state.Properties[sq].Owned)
            ++held[static_cast<std::size_t>(state.Properties[sq].Owner)];
    return held[static_cast<std::size_t>(player)] > 0 &&
           held[static_cast<std::size_t>(player)] == *std::max_element(held.begin(), held.end());
}

std::optional<Cash> leastAcceptedCash(const GameState &state, const TradeOffer &offer, Cash least, Cash most)
{
    if (most < least || tradeScore(state, withCash(offer, most), offer.to) <= 0)
        return std::nullopt;
    if (tradeScore(state, withCash(offer, least), offer.to) > 0)
        return least;
    Cash lo = least, hi = most;   // the score at hi is above zero, at lo not
    while (hi - lo > Step) {
        const Cash mid = lo + (hi - lo) / 2;
        if (tradeScore(state, withCash(offer, mid), offer.to) > 0)
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}

std::vector<std::vector<int>> groupCompletions(const GameState &state, int holder, int forWhom)
{
    std::vector<std::vector<int>> completions;
    for (int g = 0; g < GroupCount; ++g) {
        std::vector<int> missing;
        bool possible = true;
        for (const int sq : groupSquares(g)) {
            if (state.holds(forWhom, sq))
                continue;
            if (!mayTradeDeed(state, holder, sq))
                possible = false;
            missing.push_back(sq);
        }
        if (possible && !missing.empty() && missing.size() < groupSquares(g).size())
            completions.push_back(std::move(missing));
    }
    return completions;
}

std::vector<TradeOffer> acceptableOffers(const GameState &state, int player, int other)
{
    std::vector<std::vector<int>> asked = groupCompletions(state, other, player);
    const std::vector<std::vector<int>> completingTheirs = groupCompletions(state, player, other);
    asked.emplace_back();   // nothing: selling them what completes a group
    std::vector<TradeOffer> offers;
    for (const std::vector<int> &gets : asked) {
        // Paid for with cash alone, with what completes a group of theirs,
        // or with one deed of a group the player has no hope of.
        std::vector<std::vector<int>> payments = completingTheirs;
        if (!gets.empty()) {
            payments.emplace_back();
            for (const int sq : tradeableDeeds(state, player))
                if (groupOf(sq) < 0 || !hopesForGroup(state, player, groupOf(sq)))
                    payments.push_back({sq});
        }
        for (const std::vector<int> &gives : payments) {
            // Streets of one group going both ways complete nothing.
            if (std::any_of(gives.begin(), gives.end(), [&](int sq) {
                    return std::any_of(gets.begin(), gets.end(), [&](int got) { return groupOf(got) == groupOf(sq); });
                }))
                continue;
            TradeOffer offer;
            offer.from = player;
            offer.to = other;
            offer.gets.deeds = gets;
            offer.gives.deeds = gives;
            const Cash most = state.Players[player].Money - interestOn(state, gets);
            const Cash least = -(state.Players[other].Money - interestOn(state, gives));
            const std::optional<Cash> price = leastAcceptedCash(state, offer, std::min<Cash>(least, 0), most);
            if (price)
                offers.push_back(withCash(offer, *price));
        }
    }
    return offers;
}

} // namespace tycora
