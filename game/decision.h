#pragma once

// One thing a player did that the dice and the rules did not decide for
// them: a throw (with what the dice showed), an answer to a question, or a
// command on their deeds. The engine reports each as it is taken, so a game
// can be written down as the list of them and played again from it.

#include <array>
#include <string_view>

namespace tycora {

struct Decision {
    enum class Kind { Throw, Buy, Jail, Bid, Build, Sell, Mortgage, Unmortgage, Bankrupt };
    Kind kind = Kind::Throw;
    int player = 0;
    // Throw: die 1 and die 2. Buy: 1 for yes. Jail: the JailChoice. Bid: the
    // amount (0 passes). Build, Sell, Mortgage, Unmortgage: the square.
    int value = 0;
    int second = 0;

    bool operator==(const Decision &) const = default;
};

// The names a saved game writes for the kinds, in the order of Kind.
inline constexpr std::array<std::string_view, 9> DecisionKindNames{
    "throw", "buy", "jail", "bid", "build", "sell", "mortgage", "unmortgage", "bankrupt"};

// The names of the choices in jail, in the order of JailChoice.
inline constexpr std::array<std::string_view, 3> JailChoiceNames{"PayFine", "UseCard", "Throw"};

} // namespace tycora
