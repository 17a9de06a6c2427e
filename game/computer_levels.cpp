#include "game/computer_levels.h"

#include "game/computer_players.h"
#include "game/easy_computer.h"
#include "game/hard_computer.h"

#include <cctype>

namespace tycora {

std::optional<ComputerLevel> levelFromName(std::string_view name)
{
    for (std::size_t i = 0; i < ComputerLevelNames.size(); ++i) {
        const std::string_view known = ComputerLevelNames[i];
        bool same = known.size() == name.size();
        for (std::size_t c = 0; same && c < name.size(); ++c)
            same = std::tolower(static_cast<unsigned char>(name[c])) == std::tolower(static_cast<unsigned char>(known[c]));
        if (same)
            return static_cast<ComputerLevel>(i);
    }
    return std::nullopt;
}

std::unique_ptr<PlayerController> makeFullRulesComputer(ComputerLevel level)
{
    switch (level) {
    case ComputerLevel::Easy: return std::make_unique<EasyComputer>();
    case ComputerLevel::Hard: return std::make_unique<HardComputer>();
    case ComputerLevel::Normal: break;
    }
    return std::make_unique<FullRulesComputer>();
}

} // namespace tycora
