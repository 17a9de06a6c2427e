#include "game/hard_computer.h"

#include "game/board.h"
#include "game/engine.h"
#include "game/rules.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>

namespace tycora {

namespace {

// What is being decided, mixed into the futures' seed.
enum class Question : std::uint64_t { Purchase = 1, Bid, Jail, Dealing };

int buildingCost(const GameState &state, int square)
{
    const SquareInfo &info = squareInfo(square);
    return buildingCount(state, square) == 4 ? info.hotelCost : info.houseCost;
}

// The rent a street earns with `buildings` on it, a bare street of a
// complete group counting double.
int rentWith(int square, int buildings)
{
    const StreetRents &r = squareInfo(square).rents;
    const int rents[] = {r.bare * 2, r.oneHouse, r.twoHouses, r.threeHouses, r.fourHouses, r.hotel};
    return rents[std::clamp(buildings, 0, 5)];
}

// Builds where a building adds most rent for its cost while `keep` stays in hand.
void buildDownTo(Engine &engine, int player, int keep)
{
    const GameState &state = engine.state();
    while (true) {
        std::vector<int> buildable = engine.buildableSquares(player);
        std::erase_if(buildable, [&](int sq) { return state.Players[player].Money - buildingCost(state, sq) < keep; });
        if (buildable.empty())
            return;
        const auto gain = [&](int sq) {
            const int now = buildingCount(state, sq);
            return double(rentWith(sq, now + 1) - rentWith(sq, now)) / squareInfo(sq).houseCost;
        };
        const int best = *std::max_element(buildable.begin(), buildable.end(),
                                           [&](int a, int b) { return gain(a) < gain(b); });
        if (!engine.build(player, best))
            return;
    }
}

// A deed given to a player at a price, as an auction or a purchase would.
void giveDeed(GameState &state, int player, int square, int price)
{
    Property &deed = state.Properties[square];
    deed.Owned = true;
    deed.Owner = static_cast<Integer>(player);
    state.Players[player].Money -= price;
}

} // namespace

HardComputer::HardComputer(LookaheadSize size) : size_(size) {}

void HardComputer::lookAhead(Engine &engine, std::shared_ptr<const Lookahead> ahead, std::vector<FutureStart> starts,
                             std::function<void(Scores)> use)
{
    // The work holds its own copies of the game: it may run on another
    // thread while the real game waits for its scores.
    ThinkWork work = [ahead = std::move(ahead), starts = std::move(starts), timer = timer_] {
        const auto begin = std::chrono::steady_clock::now();
        Scores scores = ahead->score(starts);
        if (timer)
            timer(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        return scores;
    };
    engine.think(std::move(work), std::move(use));
}

void HardComputer::deal(Engine &engine, int player, Dealing how)
{
    const GameState &state = engine.state();
    const int keep = reserve(state, player);
    switch (how) {
    case Dealing::Nothing:
        return;
    case Dealing::Normal: {
        for (const int sq : engine.unmortgageableSquares(player))
            if (state.Players[player].Money - unmortgagePrice(sq) >= keep + 300)
                engine.unmortgage(player, sq);
        buildDownTo(engine, player, keep);
        return;
    }
    case Dealing::Boldly:
        buildDownTo(engine, player, keep / 3);
        return;
    case Dealing::MortgageToBuild: {
        // Deeds that earn little alone pay for houses that earn much.
        for (const int sq : engine.mortgageableSquares(player))
            if (!ownsColourGroup(state, player, sq))
                engine.mortgage(player, sq);
        buildDownTo(engine, player, keep / 3);
        return;
    }
    }
}

void HardComputer::turnToThrow(Engine &engine, int player)
{
    if (engine.buildableSquares(player).empty()) {
        deal(engine, player, Dealing::Normal);
        engine.computerTurn(player);
        return;
    }
    static constexpr std::array<Dealing, 4> Ways{Dealing::Nothing, Dealing::Normal, Dealing::Boldly,
                                                 Dealing::MortgageToBuild};
    auto ahead = std::make_shared<const Lookahead>(engine, player,
                                                   visibleSeed(engine, player, std::uint64_t(Question::Dealing)), size_);
    std::vector<FutureStart> starts;
    for (const Dealing way : Ways)
        starts.push_back({ahead->now(), [player, way](Engine &e) { deal(e, player, way); }});
    // The pause before the throw begins once the dealing is done.
    lookAhead(engine, ahead, std::move(starts), [&engine, player](const Scores &scores) {
        deal(engine, player, Ways[std::max_element(scores.begin(), scores.end()) - scores.begin()]);
        engine.computerTurn(player);
    });
}

void HardComputer::decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer)
{
    const GameState &state = engine.state();
    if (state.Players[offer.player].Money <= offer.price) {
        answer(false);
        return;
    }
    auto ahead = std::make_shared<const Lookahead>(
        engine, offer.player, visibleSeed(engine, offer.player, std::uint64_t(Question::Purchase)), size_);
    GameState bought = ahead->now();
    giveDeed(bought, offer.player, offer.square, offer.price);
    // Let go, the square goes to whoever values it most, at their limit
    // (this player outbids the others by a pound when it is them).
    GameState auctioned = ahead->now();
    int top = -1;
    int topLimit = 0;
    int second = 0;
    for (int i = 0; i < state.PlayerCount; ++i) {
        if (state.Players[i].Bankrupt)
            continue;
        const int limit = mostItWouldPay(state, i, offer.square);
        if (limit > topLimit) {
            second = topLimit;
            top = i;
            topLimit = limit;
        } else {
            second = std::max(second, limit);
        }
    }
    if (top >= 0)
        giveDeed(auctioned, top, offer.square, top == offer.player ? second + 1 : topLimit);
    std::vector<FutureStart> starts{{ahead->handedOver(bought), {}}, {ahead->handedOver(auctioned), {}}};
    lookAhead(engine, ahead, std::move(starts),
              [answer = std::move(answer)](const Scores &scores) { answer(scores[0] >= scores[1]); });
}

void HardComputer::decideJail(Engine &engine, int player, Answer<JailChoice> answer)
{
    const GameState &state = engine.state();
    auto ahead = std::make_shared<const Lookahead>(engine, player,
                                                   visibleSeed(engine, player, std::uint64_t(Question::Jail)), size_);
    std::vector<JailChoice> choices{JailChoice::Throw};
    std::vector<FutureStart> starts{{ahead->now(), {}}};
    GameState out = ahead->now();
    out.Players[player].InJail = false;
    out.Players[player].JailThrows = 0;
    if (state.jailCards(player) > 0) {
        GameState card = out;
        const int slot = card.JailCardHolder[0] == player ? 0 : 1;
        card.JailCardHolder[slot] = -1;
        choices.push_back(JailChoice::UseCard);
        starts.push_back({card, {}});
    }
    if (state.Players[player].Money >= 50) {
        GameState paid = out;
        paid.Players[player].Money -= 50;
        choices.push_back(JailChoice::PayFine);
        starts.push_back({paid, {}});
    }
    lookAhead(engine, ahead, std::move(starts), [choices, answer = std::move(answer)](const Scores &scores) {
        answer(choices[std::max_element(scores.begin(), scores.end()) - scores.begin()]);
    });
}

void HardComputer::bid(Engine &engine, const Auction &auction, Answer<int> answer)
{
    const GameState &state = engine.state();
    const int me = auction.bidder;
    // A pound above the highest bid at a time: the others bid what the
    // square is worth to them at once, so it comes at a pound over that.
    const auto bidUpTo = [&engine, me, highest = auction.highestBid](int ceiling, const Answer<int> &answer) {
        const int next = highest + 1;
        answer(next <= ceiling && next < engine.state().Players[me].Money ? next : 0);
    };
    if (auction.square == auctionSquare_ && engine.throws() == auctionThrow_) {
        bidUpTo(ceiling_, answer);
        return;
    }
    auctionSquare_ = auction.square;
    auctionThrow_ = engine.throws();
    ceiling_ = 0;
    auto ahead = std::make_shared<const Lookahead>(engine, me, visibleSeed(engine, me, std::uint64_t(Question::Bid)), size_);
    // Lost, the square goes to the others' keenest bidder at their limit.
    GameState lost = ahead->now();
    int other = -1;
    int otherLimit = auction.highestBid;
    for (int i = 0; i < state.PlayerCount; ++i) {
        if (i == me || state.Players[i].Bankrupt || i >= int(auction.bidding.size()) || !auction.bidding[i])
            continue;
        const int limit = mostItWouldPay(state, i, auction.square);
        if (limit > otherLimit) {
            other = i;
            otherLimit = limit;
        }
    }
    if (other < 0)
        other = auction.highestBidder;
    if (other >= 0 && other != me)
        giveDeed(lost, other, auction.square, otherLimit);
    const int price = squareInfo(auction.square).price;
    const Cash money = state.Players[me].Money;
    std::vector<int> prices;
    for (const int percent : {25, 50, 75, 100, 130, 170, 220}) {
        const int p = price * percent / 100;
        if (p > auction.highestBid && p < money)
            prices.push_back(p);
    }
    if (prices.empty()) {
        bidUpTo(ceiling_, answer);
        return;
    }
    std::vector<FutureStart> starts{{ahead->handedOver(lost), {}}};
    for (const int p : prices) {
        GameState won = ahead->now();
        giveDeed(won, me, auction.square, p);
        starts.push_back({ahead->handedOver(won), {}});
    }
    lookAhead(engine, ahead, std::move(starts),
              [this, prices, bidUpTo, answer = std::move(answer)](const Scores &scores) {
                  for (std::size_t i = 0; i < prices.size(); ++i)
                      if (scores[i + 1] >= scores[0])
                          ceiling_ = std::max(ceiling_, prices[i]);
                  bidUpTo(ceiling_, answer);
              });
}

} // namespace tycora
