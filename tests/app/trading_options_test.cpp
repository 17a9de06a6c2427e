// Trading on the command line: computers trade under --rules full unless
// --no-trading is given, and the JSON counts the trades made.

#include "app/launch_options.h"
#include "app/simulate_command.h"
#include "simulation_runs.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace tycora::testing {
namespace {

long long tradesIn(const std::string &json)
{
    std::smatch m;
    return std::regex_search(json, m, std::regex("\"trades\":([0-9]+)")) ? std::stoll(m[1]) : -1;
}

TEST(TradingOptions, FullRulesTradeUnlessTurnedOff)
{
    EXPECT_TRUE(simulation({"--rules", "full"}).simulation.game.trading);
    EXPECT_FALSE(simulation({"--rules", "full", "--no-trading"}).simulation.game.trading);
    EXPECT_FALSE(simulation({"--no-trading", "--rules=full"}).simulation.game.trading);
    EXPECT_FALSE(simulation({"--rules", "classic"}).simulation.game.trading);
    EXPECT_FALSE(simulation({}).simulation.game.trading);
    EXPECT_EQ(simulation({"--load", "x.tycora", "--no-trading"}).mode, app::LaunchOptions::Mode::Error);
    EXPECT_NE(app::usageText().find("--no-trading"), std::string::npos);
}

TEST(TradingOptions, TheJsonCountsTheTradesOfAGameThatTrades)
{
    const std::vector<std::string> game{"--rules", "full", "--seed", "5", "--turns", "400"};
    EXPECT_GT(tradesIn(simulate(game)), 0);
    std::vector<std::string> games = game;
    games.insert(games.end(), {"--games", "3"});
    EXPECT_GT(tradesIn(simulate(games)), 0);
    // Without trading, and under the classic rules, the JSON is as it was.
    std::vector<std::string> off = game;
    off.push_back("--no-trading");
    EXPECT_EQ(tradesIn(simulate(off)), -1);
    EXPECT_EQ(tradesIn(simulate({"--seed", "5", "--turns", "400"})), -1);
}

} // namespace
} // namespace tycora::testing
