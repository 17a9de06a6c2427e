#include "game/game_options.h"

namespace tycora {

std::string optionsLogLine(const GameOptions &options)
{
    std::vector<std::string> differing;
    if (!options.firstRoundBuying)
        differing.emplace_back("No purchasing on the first round");
    if (options.doubleGoSalary)
        differing.emplace_back(DoubleGoSalaryCaption);
    if (options.freeParkingPot)
        differing.emplace_back(FreeParkingCaption);
    if (options.rules == RuleSet::Full)
        differing.emplace_back("Full rules");
    if (differing.empty())
        return {};
    std::string line = "Options:  ";
    for (std::size_t i = 0; i < differing.size(); ++i)
        line += (i ? ", " : "") + differing[i];
    return line;
}

} // namespace tycora
