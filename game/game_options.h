#pragma once

// What the players chose before the game: the three house options and the
// rule set. They are fixed when the game starts; with every choice at its
// default the game is the classic one, line for line.

#include <string>
#include <vector>

namespace tycora {

enum class RuleSet {
    Classic,   // the game as it has always been played here
    Full,      // building, mortgages, debts and bankruptcy, a winner, jail, every card, auctions
};

// Every rule set, in the order the players are offered them.
inline constexpr RuleSet AllRuleSets[] = {RuleSet::Classic, RuleSet::Full};

// "Classic" or "Full".
inline constexpr const char *ruleSetName(RuleSet rules) { return rules == RuleSet::Full ? "Full" : "Classic"; }

struct GameOptions {
    bool firstRoundBuying = true;   // "Allow purchasing on the first round"
    bool doubleGoSalary = false;    // "£400 for landing on GO"
    bool freeParkingPot = false;    // "All payments goto Free Parking"
    RuleSet rules = RuleSet::Classic;
    // Under Full rules, players may trade deeds, cash and Get Out of Jail
    // Free cards on their turn. Never under Classic rules. A game started
    // from the board or the command line turns it on with the Full rules.
    bool trading = false;

    bool operator==(const GameOptions &) const = default;
};

// The option captions, as the options window shows them.
inline constexpr const char *FirstRoundBuyingCaption = "Allow purchasing on the first round";
inline constexpr const char *DoubleGoSalaryCaption = "\xC2\xA3" "400 for landing on GO";
inline constexpr const char *FreeParkingCaption = "All payments goto Free Parking";

// The start-of-game line naming every option that differs from its default
// ("Options:  No purchasing on the first round, Full rules"); empty when
// none does, so a default game's log is unchanged.
std::string optionsLogLine(const GameOptions &options);

} // namespace tycora
