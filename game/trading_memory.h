#pragma once

// What the game remembers of this turn's trading and each computer
// remembers of its own: part of the game state, so that a game saved on a
// turn on which offers were made goes on exactly as the game never stopped.

#include "game/trade_offer.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tycora {

// A computer's memory: the offers it has made (each a fingerprint of its
// terms and of the board when it was sent, so that an offer is made again
// only once the board has changed), whom it has asked this turn, and the
// situations it has already played out.
struct ComputerTradeMemory {
    static constexpr std::size_t MaxSent = 64;
    static constexpr std::size_t MaxJudged = 256;

    std::vector<std::uint64_t> sentOffers;   // oldest first
    long long askedTurn = -1;                // the hand-over `asked` belongs to
    std::vector<int> asked;
    std::vector<std::uint64_t> judged;       // oldest first

    bool operator==(const ComputerTradeMemory &) const = default;
};

struct TradeMemory {
    // The offers rejected on the turn of hand-over `offersTurn` (a person
    // may not make one again that turn), and how many offers that turn saw.
    long long offersTurn = -1;
    int offersThisTurn = 0;
    std::vector<TradeOffer> rejectedThisTurn;

    std::array<ComputerTradeMemory, 4> computers{};

    bool operator==(const TradeMemory &) const = default;
};

} // namespace tycora
