#pragma once

// An offer of a trade between two players: what each side gives (deeds,
// cash, Get Out of Jail Free cards), and the receiver's reply to it.

#include <cstdint>
#include <vector>

namespace tycora {

// What one side of a trade hands over.
struct TradeSide {
    std::vector<int> deeds;   // squares, each a deed this side holds
    std::int64_t cash = 0;
    int jailCards = 0;        // Get Out of Jail Free cards

    bool empty() const { return deeds.empty() && cash == 0 && jailCards == 0; }
    bool operator==(const TradeSide &) const = default;
};

struct TradeOffer {
    int from = -1;            // the player who proposes
    int to = -1;              // the player who is asked
    TradeSide gives;          // from `from` to `to`
    TradeSide gets;           // from `to` to `from`
    // Mortgaged deeds whose new holder lifts the mortgage at once rather
    // than paying the interest: the proposer's choice for the deeds they get.
    std::vector<int> lifts;
    int id = 0;               // numbered by the engine within the turn
    int counters = 0;         // the id of the offer this one answers; 0 for none

    // The same items between the same players, whatever the numbering.
    bool sameTerms(const TradeOffer &other) const
    {
        return from == other.from && to == other.to && gives == other.gives && gets == other.gets;
    }
    bool operator==(const TradeOffer &) const = default;
};

// The offer as the other side would make it: roles and items swapped.
inline TradeOffer reversed(const TradeOffer &offer)
{
    TradeOffer r;
    r.from = offer.to;
    r.to = offer.from;
    r.gives = offer.gets;
    r.gets = offer.gives;
    r.counters = offer.id;
    return r;
}

enum class TradeChoice { Accept, Reject, Counter };

struct TradeReply {
    TradeChoice choice = TradeChoice::Reject;
    TradeOffer counter;        // for Counter: the new offer, from the receiver
    std::vector<int> lifts;    // for Accept: mortgaged deeds the receiver lifts at once

    static TradeReply accept(std::vector<int> lifts = {}) { return {TradeChoice::Accept, {}, std::move(lifts)}; }
    static TradeReply reject() { return {}; }
    static TradeReply counterWith(TradeOffer offer) { return {TradeChoice::Counter, std::move(offer), {}}; }
};

} // namespace tycora
