#pragma once

// One thing a player did that the dice and the rules did not decide for
// them: a throw (with what the dice showed), an answer to a question, or a
// command on their deeds. The engine reports each as it is taken, so a game
// can be written down as the list of them and played again from it.

#include "game/trade_offer.h"

#include <array>
#include <memory>
#include <string_view>

namespace tycora {

// The offer a trading decision carries: shared, so that copying a history
// stays cheap, and compared by its contents.
class TradeRecord {
public:
    TradeRecord() = default;
    explicit TradeRecord(TradeOffer offer) : offer_(std::make_shared<const TradeOffer>(std::move(offer))) {}
    const TradeOffer *get() const { return offer_.get(); }
    bool operator==(const TradeRecord &other) const
    {
        return offer_ == other.offer_ || (offer_ && other.offer_ && *offer_ == *other.offer_);
    }

private:
    std::shared_ptr<const TradeOffer> offer_;
};

struct Decision {
    enum class Kind { Throw, Buy, Jail, Bid, Build, Sell, Mortgage, Unmortgage, Bankrupt, Offer, Reply };
    Kind kind = Kind::Throw;
    int player = 0;
    // Throw: die 1 and die 2. Buy: 1 for yes. Jail: the JailChoice. Bid: the
    // amount (0 passes). Build, Sell, Mortgage, Unmortgage: the square.
    // Reply: the TradeChoice.
    int value = 0;
    int second = 0;
    // Offer: the offer proposed. Reply: for Counter the new offer; for
    // Accept an offer whose lifts are the mortgages the receiver lifts.
    TradeRecord trade;

    bool operator==(const Decision &) const = default;
};

// The names a saved game writes for the kinds, in the order of Kind.
inline constexpr std::array<std::string_view, 11> DecisionKindNames{
    "throw", "buy", "jail", "bid", "build", "sell", "mortgage", "unmortgage", "bankrupt", "offer", "reply"};

// The names of the replies to a trade, in the order of TradeChoice.
inline constexpr std::array<std::string_view, 3> TradeChoiceNames{"Accept", "Reject", "Counter"};

// The names of the choices in jail, in the order of JailChoice.
inline constexpr std::array<std::string_view, 3> JailChoiceNames{"PayFine", "UseCard", "Throw"};

} // namespace tycora
