// Whole games compared byte for byte with stored event logs. A change of
// the rules that alters any game shows up here; the stored logs are only
// regenerated on purpose, with scripts/regenerate-expected-logs.

#include "game/simulation.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tycora::testing {
namespace {

struct StoredGame {
    const char *file;
    int players;
    long long turns;
    std::uint64_t seed;
    std::vector<int> dice;
    GameOptions options;   // the rule set and the house options
};

// The test's name and its report show the stored file, never the bytes of
// the record (which hold heap addresses and change from build to build).
void PrintTo(const StoredGame &game, std::ostream *os) { *os << game.file; }

// Full rules with every house option changed from its default.
constexpr GameOptions EveryOption{.firstRoundBuying = false, .doubleGoSalary = true, .freeParkingPot = true,
                                  .rules = RuleSet::Full};
// Full rules with the other house options changed.
constexpr GameOptions FullWithPotAndDoubleGo{.firstRoundBuying = true, .doubleGoSalary = true,
                                             .freeParkingPot = true, .rules = RuleSet::Full};

// Two, three and four computers over several hundred hand-overs, and one
// game that opens with given dice: doubles, three doubles in a row, and a
// walk round the board. Then Full rules games with the house options: they
// hold auctions with their bids, debts raised by mortgages and sales,
// bankruptcies, stays in jail and every card of both decks.
const StoredGame Games[] = {
    {"two-players-seed-11.log", 2, 400, 11, {}, {}},
    {"three-players-seed-2026.log", 3, 500, 2026, {}, {}},
    {"four-players-seed-77.log", 4, 600, 77, {}, {}},
    {"four-players-given-dice.log", 4, 300, 5, {1, 1, 2, 2, 3, 3, 6, 5, 4, 4, 4, 4, 4, 4, 2, 5, 6, 6, 1, 2}, {}},
    {"full-rules-two-players-every-option-seed-6.log", 2, 600, 6, {}, EveryOption},
    {"full-rules-three-players-pot-and-double-go-seed-16.log", 3, 600, 16, {}, FullWithPotAndDoubleGo},
    {"full-rules-four-players-every-option-seed-2.log", 4, 600, 2, {}, EveryOption},
};

std::string playedLog(const StoredGame &game)
{
    SimulationOptions options;
    options.players = game.players;
    options.turns = game.turns;
    options.seed = game.seed;
    options.dice = game.dice;
    options.game = game.options;
    RecordingLog log;
    Simulation sim(options, log);
    sim.setUp();
    EXPECT_TRUE(sim.run());
    std::string text;
    for (const std::string &line : log.lines)
        text += line + "\r\n";
    return text;
}

std::string storedPath(const StoredGame &game) { return std::string(TYCORA_EXPECTED_LOGS) + "/" + game.file; }

class StoredLog : public ::testing::TestWithParam<StoredGame> {};

TEST_P(StoredLog, TheGameIsPlayedExactlyAsStored)
{
    const StoredGame &game = GetParam();
    const std::string played = playedLog(game);
    if (std::getenv("TYCORA_REGENERATE_EXPECTED_LOGS")) {
        std::ofstream(storedPath(game), std::ios::binary) << played;
        GTEST_SKIP() << "regenerated " << game.file;
    }
    std::ifstream in(storedPath(game), std::ios::binary);
    ASSERT_TRUE(in) << "missing " << storedPath(game);
    std::stringstream stored;
    stored << in.rdbuf();
    const std::string expected = stored.str();
    if (played == expected)
        return;
    // Point at the first line that differs.
    std::istringstream a(played), b(expected);
    std::string la, lb;
    int line = 1;
    while (std::getline(a, la) && std::getline(b, lb) && la == lb)
        ++line;
    FAIL() << game.file << " differs first at line " << line << ":\n  played: " << la << "\n  stored: " << lb;
}

INSTANTIATE_TEST_SUITE_P(Games, StoredLog, ::testing::ValuesIn(Games),
                         [](const ::testing::TestParamInfo<StoredGame> &info) {
                             std::string name;
                             for (const char *c = info.param.file; *c && *c != '.'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
} // namespace tycora::testing
