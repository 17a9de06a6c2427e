// How the full-rules computer trades: it answers offers by its own measure
// of what a trade gains it, and on its turn offers each other player at most
// one trade, chiefly to complete a colour group.

#include "game/computer_players.h"

#include "game/engine.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/trade_valuation.h"
#include "game/trading.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace tycora {

namespace {

// Cash is priced in steps of this much.
constexpr Cash Step = 10;

// What the board looks like: who holds what, mortgaged or built on. An offer
// rejected is not made again until this changes.
std::size_t boardPicture(const GameState &state)
{
    std::size_t picture = 0;
    for (const int sq : ownableSquares()) {
        const Property &d = state.Properties[sq];
        const std::size_t square = (d.Owned ? d.Owner + 1 : 0) * 16 + d.Mortgaged * 8 +
                                   static_cast<std::size_t>(state.Buildings[sq].Houses + state.Buildings[sq].Hotel);
        picture = picture * 1000003 + square;
    }
    return picture;
}

// The player's deeds that would complete a colour group for `for`: the
// only streets of it that `for` lacks, all held by `player` and tradeable.
std::vector<int> deedsCompleting(const GameState &state, int player, int forWhom)
{
    std::vector<int> deeds;
    for (int g = 0; g < GroupCount; ++g) {
        std::vector<int> missing;
        bool possible = true;
        for (const int sq : groupSquares(g)) {
            if (state.holds(forWhom, sq))
                continue;
            if (!mayTradeDeed(state, player, sq))
                possible = false;
            missing.push_back(sq);
        }
        if (possible && !missing.empty() && missing.size() < groupSquares(g).size())
            deeds.insert(deeds.end(), missing.begin(), missing.end());
    }
    return deeds;
}

// The player holds more streets of the group than anyone else, or as many.
bool hopesFor(const GameState &state, int player, int group)
{
    std::array<int, MaxPlayers> held{};
    for (const int sq : groupSquares(group))
        if (state.Properties[sq].Owned)
            ++held[static_cast<std::size_t>(state.Properties[sq].Owner)];
    return held[static_cast<std::size_t>(player)] > 0 &&
           held[static_cast<std::size_t>(player)] == *std::max_element(held.begin(), held.end());
}

// The smallest cash the proposer adds (or, below zero, asks) for which the
// other side gains by its measure; none when even all the proposer may
// spare would not do.
std::optional<Cash> priceFor(const GameState &state, TradeOffer offer, Cash most, Cash least)
{
    const auto withCash = [&](Cash cash) {
        offer.gives.cash = std::max<Cash>(cash, 0);
        offer.gets.cash = std::max<Cash>(-cash, 0);
        return offer;
    };
    if (tradeScore(state, withCash(most), offer.to) <= 0)
        return std::nullopt;
    Cash lo = least, hi = most;   // the score at hi is above zero
    while (hi - lo > Step) {
        const Cash mid = lo + (hi - lo) / 2;
        if (tradeScore(state, withCash(mid), offer.to) > 0)
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}

} // namespace

TradeReply FullRulesComputer::replyTo(const GameState &state, const TradeOffer &offer)
{
    const int me = offer.to;
    const long long score = tradeScore(state, offer, me);
    if (score > 0)
        return TradeReply::accept();
    // A counter asks for the cash that would make it worth it, once.
    if (offer.counters != 0 || (offer.gives.deeds.empty() && offer.gets.deeds.empty()))
        return TradeReply::reject();
    TradeOffer counter = reversed(offer);
    const Cash theirMoney = state.Players[offer.from].Money;
    Cash more = Step;
    for (int attempt = 0; attempt < 12; ++attempt, more *= 2) {
        TradeOffer tried = counter;
        const Cash less = std::min(tried.gives.cash, more);
        tried.gives.cash -= less;
        tried.gets.cash += more - less;
        if (tried.gets.cash > theirMoney)
            break;
        if (tradeScore(state, tried, me) > 0)
            return TradeReply::counterWith(tried);
    }
    return TradeReply::reject();
}

TradeOffer FullRulesComputer::offerTo(const GameState &state, int player, int other)
{
    TradeOffer none;
    const std::vector<int> wanted = deedsCompleting(state, other, player);
    if (wanted.empty())
        return none;
    // Cash enough is kept to build on the group once it is whole.
    Cash buildFund = 0;
    std::vector<int> groups;
    for (const int sq : wanted)
        if (std::find(groups.begin(), groups.end(), groupOf(sq)) == groups.end())
            groups.push_back(groupOf(sq));
    for (const int g : groups)
        for (const int street : groupSquares(g))
            buildFund += squareInfo(street).houseCost;
    const Cash spare = state.Players[player].Money - reserve(state, player) - buildFund;
    TradeOffer best;
    long long bestScore = 0;
    // The wanted deeds for cash alone; or with the deeds that complete a
    // group of theirs, or with one deed of a group this player has no hope
    // of, the cash then going either way.
    std::vector<std::vector<int>> payments{{}};
    if (std::vector<int> completing = deedsCompleting(state, player, other); !completing.empty())
        payments.push_back(std::move(completing));
    for (const int sq : tradeableDeeds(state, player))
        if (groupOf(sq) < 0 || !hopesFor(state, player, groupOf(sq)))
            payments.push_back({sq});
    for (const std::vector<int> &deeds : payments) {
        TradeOffer offer;
        offer.from = player;
        offer.to = other;
        offer.gets.deeds = wanted;
        offer.gives.deeds = deeds;
        const Cash least = deeds.empty() ? 0 : -state.Players[other].Money;
        if (spare <= least)
            continue;
        const std::optional<Cash> price = priceFor(state, offer, spare, least);
        if (!price)
            continue;
        offer.gives.cash = std::max<Cash>(*price, 0);
        offer.gets.cash = std::max<Cash>(-*price, 0);
        const long long score = tradeEdge(state, offer, player);
        if (score > bestScore) {
            bestScore = score;
            best = offer;
        }
    }
    return bestScore > 0 ? best : none;
}

bool FullRulesComputer::proposeTrades(Engine &engine, int player)
{
    if (!proposesTrades_ || !engine.tradingOn())
        return true;
    if (offersTurn_ != engine.handOvers()) {
        offersTurn_ = engine.handOvers();
        askedThisTurn_.clear();
    }
    const GameState &state = engine.state();
    for (int other = 0; other < state.PlayerCount; ++other) {
        if (other == player || state.Players[other].Bankrupt ||
            std::find(askedThisTurn_.begin(), askedThisTurn_.end(), other) != askedThisTurn_.end())
            continue;
        if (!engine.mayTrade(player))
            break;
        const TradeOffer offer = offerTo(state, player, other);
        if (offer.from < 0)
            continue;
        const std::size_t board = boardPicture(state);
        const bool madeBefore = std::any_of(sent_.begin(), sent_.end(), [&](const SentOffer &s) {
            return s.board == board && s.terms.sameTerms(offer);
        });
        if (madeBefore)
            continue;
        askedThisTurn_.push_back(other);
        sent_.push_back({offer, board});
        if (sent_.size() > 64)
            sent_.erase(sent_.begin());
        engine.proposeTrade(offer);
        if (engine.phase() == Engine::Phase::Trading)
            return false;
    }
    return true;
}

void FullRulesComputer::answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer)
{
    answer(replyTo(engine.state(), offer));
}

} // namespace tycora
