// Saved games of version 1 of the format, kept as they were written: every
// later program must load them, replay them and play them on to the same
// lines. The continued logs are only regenerated on purpose, with
// TYCORA_REGENERATE_SAVED_GAMES set; the samples themselves are written
// once, when missing, and never again.

#include "game/replay.h"
#include "game/simulation.h"
#include "save/game_file.h"
#include "saved_game_support.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tycora::testing {
namespace {

struct KeptSample {
    const char *file;
    RuleSet rules;
    int players;
    std::uint64_t seed;
    long long turnsBefore;
    long long turnsAfter;
    bool pot;
    bool trading = false;
};

const KeptSample Samples[] = {
    {"classic-four-computers-v1", RuleSet::Classic, 4, 404, 120, 200, false},
    {"full-three-computers-pot-v1", RuleSet::Full, 3, 77, 90, 300, true},
    {"full-four-computers-trading-v1", RuleSet::Full, 4, 23, 120, 300, false, true},
};

std::string dataPath(const std::string &name) { return std::string(TYCORA_SAVED_GAMES) + "/" + name; }

std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class StoredSample : public ::testing::TestWithParam<KeptSample> {};

TEST_P(StoredSample, LoadsReplaysAndGoesOnAsStored)
{
    const KeptSample &s = GetParam();
    const std::string gameFile = dataPath(std::string(s.file) + ".tycora");
    const std::string logFile = dataPath(std::string(s.file) + ".continued.log");
    const bool regenerate = std::getenv("TYCORA_REGENERATE_SAVED_GAMES") != nullptr;
    if (regenerate && !QFile::exists(QString::fromStdString(gameFile))) {
        ASSERT_EQ(save::saveGameFile(QString::fromStdString(gameFile),
                                     playedGame(s.rules, s.turnsBefore, s.seed, s.players, s.pot, s.trading), TestProvenance),
                  "");
    }

    const save::LoadedGame loaded = save::loadGameFile(QString::fromStdString(gameFile));
    ASSERT_EQ(loaded.error, "");
    NoEventLog quiet;
    EXPECT_EQ(replayDifference(loaded.game, quiet), "");

    RecordingLog log;
    Simulation sim(optionsToResume(loaded.game, s.turnsAfter), log);
    sim.resumeFrom(loaded.game);
    ASSERT_TRUE(sim.run());
    std::string played;
    for (const std::string &line : log.lines)
        played += line + "\r\n";
    if (regenerate) {
        std::ofstream(logFile, std::ios::binary) << played;
        GTEST_SKIP() << "regenerated " << logFile;
    }
    EXPECT_EQ(played, readText(logFile));
}

INSTANTIATE_TEST_SUITE_P(Version1, StoredSample, ::testing::ValuesIn(Samples),
                         [](const auto &info) {
                             if (info.param.trading)
                                 return "FullTrading";
                             return std::string(info.param.file).substr(0, 4) == "clas" ? "Classic" : "Full";
                         });

} // namespace
} // namespace tycora::testing
