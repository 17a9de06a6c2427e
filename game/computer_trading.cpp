// How the full-rules computer trades: it answers offers by its own measure
// of what a trade gains it, and on its turn offers each other player at most
// one trade, chiefly to complete a colour group. Of the offers the other
// side would take, it makes the one that does best over a few short futures
// of the game; inside a future it offers by its plain measure.

#include "game/computer_players.h"

#include "game/engine.h"
#include "game/lookahead.h"
#include "game/mix.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/trade_candidates.h"
#include "game/trade_valuation.h"
#include "game/trading.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace tycora {

namespace {

// A counter first asks this much more cash, doubling while it falls short.
constexpr Cash FirstStep = 10;

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

// The player's deeds that would complete colour groups for `forWhom`.
std::vector<int> deedsCompleting(const GameState &state, int player, int forWhom)
{
    std::vector<int> deeds;
    for (const std::vector<int> &group : groupCompletions(state, player, forWhom))
        deeds.insert(deeds.end(), group.begin(), group.end());
    return deeds;
}

// The futures an offer is judged on: enough to tell a group that pays from
// one that ruins its holder, few enough to decide in milliseconds.
constexpr LookaheadSize TradeFutures{12, 50};
// At most this many offers are played out, the best by the plain measure.
constexpr std::size_t OffersJudged = 4;
// How much better than trading nothing the offer must do in the futures
// (a share of the game's worth), so that noise alone makes no trade.
constexpr double TradeMargin = 0.02;
// The offers to a player are played out again once the board changes, or
// either side's cash moves into another band of this width.
constexpr Cash CashSeen = 200;

// Remembers `value` among the last `most` kept.
void remember(std::vector<std::uint64_t> &kept, std::uint64_t value, std::size_t most)
{
    kept.push_back(value);
    if (kept.size() > most)
        kept.erase(kept.begin());
}

bool remembers(const std::vector<std::uint64_t> &kept, std::uint64_t value)
{
    return std::find(kept.begin(), kept.end(), value) != kept.end();
}

std::uint64_t fingerprint(std::uint64_t h, const TradeSide &side)
{
    h = mixIn(h, side.deeds.size());
    for (const int deed : side.deeds)
        h = mixIn(h, static_cast<std::uint64_t>(deed));
    h = mixIn(h, static_cast<std::uint64_t>(side.cash));
    return mixIn(h, static_cast<std::uint64_t>(side.jailCards));
}

// An offer's terms on a board, as the computer remembers them.
std::uint64_t fingerprint(const TradeOffer &offer, std::size_t board)
{
    std::uint64_t h = mixIn(board, static_cast<std::uint64_t>(offer.from));
    h = mixIn(h, static_cast<std::uint64_t>(offer.to));
    return fingerprint(fingerprint(h, offer.gives), offer.gets);
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
    Cash more = FirstStep;
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
        if (groupOf(sq) < 0 || !hopesForGroup(state, player, groupOf(sq)))
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
        const std::optional<Cash> price = leastAcceptedCash(state, offer, least, spare);
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
    ComputerTradeMemory &memory = engine.tradeMemory(player);
    if (memory.askedTurn != engine.handOvers()) {
        memory.askedTurn = engine.handOvers();
        memory.asked.clear();
    }
    const GameState &state = engine.state();
    for (int other = 0; other < state.PlayerCount; ++other) {
        if (other == player || state.Players[other].Bankrupt ||
            std::find(memory.asked.begin(), memory.asked.end(), other) != memory.asked.end())
            continue;
        if (!engine.mayTrade(player))
            break;
        const std::size_t board = boardPicture(state);
        const auto madeBefore = [&](const TradeOffer &offer) {
            return remembers(memory.sentOffers, fingerprint(offer, board));
        };
        const TradeOffer offer =
            playingAFuture() ? offerTo(state, player, other) : offerByFutures(engine, player, other, madeBefore);
        if (offer.from < 0 || madeBefore(offer))
            continue;
        memory.asked.push_back(other);
        remember(memory.sentOffers, fingerprint(offer, board), ComputerTradeMemory::MaxSent);
        engine.proposeTrade(offer);
        if (engine.phase() == Engine::Phase::Trading)
            return false;
    }
    return true;
}

TradeOffer FullRulesComputer::offerByFutures(Engine &engine, int player, int other,
                                             const std::function<bool(const TradeOffer &)> &madeBefore)
{
    const GameState &state = engine.state();
    // Nothing new to judge until the board or the cash at hand moves.
    const std::size_t situation =
        boardPicture(state) * 31 + static_cast<std::size_t>(other) * 7919 +
        static_cast<std::size_t>(state.Players[player].Money / CashSeen) * 104729 +
        static_cast<std::size_t>(state.Players[other].Money / CashSeen) * 1299709;
    ComputerTradeMemory &memory = engine.tradeMemory(player);
    if (remembers(memory.judged, situation))
        return {};
    remember(memory.judged, situation, ComputerTradeMemory::MaxJudged);

    std::vector<TradeOffer> offers = acceptableOffers(state, player, other);
    std::erase_if(offers, madeBefore);
    if (offers.empty())
        return {};
    std::vector<long long> edges;
    for (const TradeOffer &o : offers)
        edges.push_back(tradeEdge(state, o, player));
    std::vector<std::size_t> order(offers.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return edges[a] > edges[b]; });
    order.resize(std::min(order.size(), OffersJudged));

    const Lookahead ahead(engine, player, visibleSeed(engine, player, 0x7ade0000u + static_cast<unsigned>(other)),
                          TradeFutures);
    std::vector<FutureStart> starts{{ahead.now(), {}}};
    for (const std::size_t i : order)
        starts.push_back({stateAfterTrade(ahead.now(), offers[i]), {}});
    const std::vector<double> scores = ahead.score(starts);
    std::size_t best = 0;
    for (std::size_t c = 1; c < scores.size(); ++c)
        if (scores[c] > scores[best])
            best = c;
    if (best == 0 || scores[best] < scores[0] + TradeMargin)
        return {};
    return offers[order[best - 1]];
}

void FullRulesComputer::answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer)
{
    answer(replyTo(engine.state(), offer));
}

} // namespace tycora
