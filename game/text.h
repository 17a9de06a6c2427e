#pragma once

// How figures are written in messages and log lines: plain decimal digits,
// a minus sign for negatives, money with the pound sign in front (£-40).

#include "game/user_text.h"

#include <string>

namespace tycora {

inline constexpr const char *PoundSign = "\xC2\xA3";   // UTF-8

inline std::string number(long long value) { return std::to_string(value); }

inline std::string pounds(long long amount) { return PoundSign + number(amount); }

// The opening of most log lines: Name & " (£" & Money & ")".
inline std::string nameAndBalance(const std::string &name, long long money)
{
    return name + " (" + pounds(money) + ")";
}

// The words under the dice after a throw, in the person's language.
inline std::string diceRollText(const std::string &name, int total)
{
    return userText("Engine", "%1 rolls %2").arg(name, number(total));
}

} // namespace tycora
