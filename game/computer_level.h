#pragma once

// How strongly a computer plays under Full rules. Under Classic rules every
// computer plays the classic rule and the level has no effect.

#include <array>
#include <optional>
#include <string_view>

namespace tycora {

enum class ComputerLevel { Easy, Normal, Hard };

// The names the set-up, the saved games and the command line use, in the
// order of ComputerLevel.
inline constexpr std::array<std::string_view, 3> ComputerLevelNames{"Easy", "Normal", "Hard"};

inline std::string_view levelName(ComputerLevel level) { return ComputerLevelNames[static_cast<int>(level)]; }

// The level of a name, letter case ignored; nothing for an unknown word.
std::optional<ComputerLevel> levelFromName(std::string_view name);

} // namespace tycora
