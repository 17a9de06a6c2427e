// Saving, loading and saving again gives the same bytes, in files and in
// memory, for games of both rule sets.

#include "save/game_file.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace tycora::testing {
namespace {

struct Sample {
    RuleSet rules;
    long long turns;
    std::uint64_t seed;
    int players;
    bool pot;
    bool trading = false;
};

class RoundTrip : public ::testing::TestWithParam<Sample> {};

TEST_P(RoundTrip, SaveLoadSaveGivesTheSameBytes)
{
    const Sample &s = GetParam();
    SavedGame game = playedGame(s.rules, s.turns, s.seed, s.players, s.pot, s.trading);
    // The Game Log's lines go with the game, the pound sign included.
    game.log = {"Game Started:  06/12/2026 12:00:00", "Player 1 (\u00a31500) rolls:  3,4"};
    QTemporaryDir dir;
    const QString path = dir.filePath("game.tycora");
    ASSERT_EQ(save::saveGameFile(path, game, TestProvenance), "");
    const save::LoadedGame loaded = save::loadGameFile(path);
    ASSERT_EQ(loaded.error, "");
    EXPECT_EQ(firstDifference(loaded.game.state, game.state), "");
    // What this turn's offers and the computers remember of their trading.
    EXPECT_EQ(loaded.game.state.Trading, game.state.Trading);
    if (s.trading) {
        const auto &computers = game.state.Trading.computers;
        EXPECT_TRUE(std::any_of(computers.begin(), computers.end(),
                                [](const ComputerTradeMemory &m) { return !m.judged.empty(); }));
    }
    EXPECT_EQ(loaded.game.history, game.history);
    EXPECT_EQ(loaded.game.log, game.log);
    EXPECT_EQ(loaded.game.dice.draws, game.dice.draws);
    EXPECT_EQ(loaded.game.dice.seed, game.dice.seed);
    EXPECT_EQ(loaded.game.progress.handOvers, game.progress.handOvers);

    const QString again = dir.filePath("again.tycora");
    ASSERT_EQ(save::saveGameFile(again, loaded.game, loaded.provenance), "");
    QFile a(path), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

INSTANTIATE_TEST_SUITE_P(Games, RoundTrip,
                         ::testing::Values(Sample{RuleSet::Classic, 1, 4, 2, false},
                                           Sample{RuleSet::Classic, 300, 5, 4, true},
                                           Sample{RuleSet::Full, 120, 6, 3, false},
                                           Sample{RuleSet::Full, 400, 7, 4, true},
                                           Sample{RuleSet::Full, 3000, 9, 2, false},
                                           Sample{RuleSet::Full, 150, 11, 4, false, true}));

TEST(SaveFailure, AFailedWriteKeepsThePreviousFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.tycora");
    const SavedGame small = playedGame(RuleSet::Classic, 2, 1);
    ASSERT_EQ(save::saveGameFile(path, small, TestProvenance), "");
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray kept = before.readAll();
    before.close();

    // A disk that fills up: no file may grow past half the size of the first.
    const SavedGame big = playedGame(RuleSet::Full, 300, 2, 4);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(kept.size() / 2);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const QString error = save::saveGameFile(path, big, TestProvenance);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_TRUE(error.startsWith("\"" + path + "\" could not be written (")) << error.toStdString();
    EXPECT_TRUE(error.endsWith("); the file as it was is kept.")) << error.toStdString();
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), kept);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"game.tycora"});

    // A folder that is not there.
    const QString nowhere = dir.filePath("missing/game.tycora");
    EXPECT_TRUE(save::saveGameFile(nowhere, small, TestProvenance).startsWith("\"" + nowhere + "\" could not be written ("));
}

} // namespace
} // namespace tycora::testing
