// A game saved at a hand-over and resumed goes on exactly as the game that
// was never stopped: the same lines, the same dice, the same end. Its
// history replays to the saved snapshot.

#include "game/replay.h"
#include "game/simulation.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tycora::testing {
namespace {

struct Resumption {
    RuleSet rules;
    GameOptions options;
    int players;
    std::uint64_t seed;
    long long before;   // hand-overs played before the save
    long long after;    // and after it
};

GameOptions optionsWith(RuleSet rules, bool firstRound, bool doubleGo, bool pot)
{
    GameOptions o;
    o.rules = rules;
    o.firstRoundBuying = firstRound;
    o.doubleGoSalary = doubleGo;
    o.freeParkingPot = pot;
    return o;
}

std::vector<Resumption> resumptions()
{
    std::vector<Resumption> all;
    std::uint64_t seed = 1;
    for (const RuleSet rules : AllRuleSets)
        for (int variant = 0; variant < 8; ++variant) {
            const GameOptions o = optionsWith(rules, !(variant & 1), variant & 2, variant & 4);
            for (int players = 2; players <= 4; ++players)
                all.push_back({rules, o, players, seed++, 20 + 37 * variant, 150});
        }
    // Games that trade, saved on turns after offers were made, rejected
    // and remembered.
    GameOptions trading = optionsWith(RuleSet::Full, true, false, false);
    trading.trading = true;
    for (int players = 2; players <= 4; ++players)
        for (const long long before : {40, 90, 160})
            all.push_back({RuleSet::Full, trading, players, seed++, before, 150});
    return all;
}

SimulationOptions simulationOf(const Resumption &r, long long turns)
{
    SimulationOptions o;
    o.players = r.players;
    o.turns = turns;
    o.seed = r.seed;
    o.game = r.options;
    o.recordHistory = true;
    return o;
}

std::vector<std::string> linesFrom(const RecordingLog &log, std::size_t first)
{
    return {log.lines.begin() + static_cast<long>(first), log.lines.end()};
}

class SaveAndResume : public ::testing::TestWithParam<Resumption> {};

TEST_P(SaveAndResume, GoesOnAsTheGameThatWasNeverStopped)
{
    const Resumption &r = GetParam();
    // The whole game, with a snapshot taken on the way.
    RecordingLog wholeLog;
    Simulation whole(simulationOf(r, r.before + r.after), wholeLog);
    whole.setUp();
    while (whole.engine().handOvers() < r.before && whole.engine().phase() != Engine::Phase::Over)
        ASSERT_TRUE(whole.playTick());
    ASSERT_TRUE(whole.engine().settled());
    const SavedGame saved = whole.capture();
    const std::size_t linesAtSave = wholeLog.lines.size();
    ASSERT_EQ(firstProblem(saved), "");
    ASSERT_TRUE(whole.run());

    RecordingLog resumedLog;
    Simulation resumed(optionsToResume(saved, r.after), resumedLog);
    resumed.resumeFrom(saved);
    ASSERT_TRUE(resumed.run());

    EXPECT_EQ(resumedLog.lines, linesFrom(wholeLog, linesAtSave));
    EXPECT_EQ(firstDifference(resumed.state(), whole.state()), "");
    EXPECT_EQ(resumed.engine().throws(), whole.engine().throws());
    EXPECT_EQ(resumed.engine().handOvers(), whole.engine().handOvers());
    EXPECT_EQ(resumed.engine().winner(), whole.engine().winner());
    EXPECT_EQ(resumed.capture().history, whole.capture().history);
    EXPECT_EQ(resumed.capture().dice.draws, whole.capture().dice.draws);

    // The history alone leads back to the snapshot.
    NoEventLog quiet;
    EXPECT_EQ(replayDifference(saved, quiet), "");
}

INSTANTIATE_TEST_SUITE_P(SeedsRulesAndOptions, SaveAndResume, ::testing::ValuesIn(resumptions()));

SavedGame savedAfter(RuleSet rules, long long turns, std::uint64_t seed)
{
    RecordingLog log;
    SimulationOptions o;
    o.turns = turns;
    o.seed = seed;
    o.game.rules = rules;
    o.recordHistory = true;
    Simulation sim(o, log);
    sim.setUp();
    EXPECT_TRUE(sim.run());
    return sim.capture();
}

TEST(Replay, NamesTheFirstDecisionThatTheGameDoesNotMake)
{
    SavedGame game = savedAfter(RuleSet::Full, 60, 8);
    ASSERT_EQ(firstProblem(game), "");
    // The tenth throw of the game.
    std::size_t throwAt = 0;
    for (int throws = 0; throws < 10; ++throwAt)
        throws += game.history[throwAt].kind == Decision::Kind::Throw;
    --throwAt;
    std::size_t buyAt = 0;
    while (game.history[buyAt].kind != Decision::Kind::Buy)
        ++buyAt;

    NoEventLog quiet;
    SavedGame otherDice = game;
    Decision &d = otherDice.history[throwAt];
    ASSERT_EQ(d.kind, Decision::Kind::Throw);
    d.value = d.value == 6 ? 5 : d.value + 1;
    const std::string changed = replayDifference(otherDice, quiet);
    EXPECT_NE(changed, "");

    SavedGame otherAnswer = game;
    otherAnswer.history[buyAt].value = !otherAnswer.history[buyAt].value;
    EXPECT_NE(replayDifference(otherAnswer, quiet), "");

    SavedGame shorter = game;
    shorter.history.resize(shorter.history.size() - 1);
    EXPECT_NE(replayDifference(shorter, quiet), "");

    SavedGame richer = game;
    richer.state.Players[1].Money = static_cast<Integer>(richer.state.Players[1].Money + 1);
    EXPECT_EQ(replayDifference(richer, quiet),
              "the replay and the saved game differ in Players(1).Money: " +
                  std::to_string(game.state.Players[1].Money) + " and " +
                  std::to_string(richer.state.Players[1].Money));
}

TEST(Replay, TheFirstThrowThatDiffersIsNamed)
{
    SavedGame game = savedAfter(RuleSet::Classic, 10, 3);
    NoEventLog quiet;
    ASSERT_EQ(game.history.front().kind, Decision::Kind::Throw);
    game.history.front().kind = Decision::Kind::Buy;
    game.history.front().value = 1;
    EXPECT_EQ(replayDifference(game, quiet),
              "history entry 1: the history has player 1 buy 1, where the replay throws the dice");
}

} // namespace
} // namespace tycora::testing
