// Games with people in them, who answer later as the window lets them:
// saved at a hand-over and resumed they go on as the game never stopped,
// and their history replays to the snapshot, bankruptcies declared by a
// person included.

#include "game/computer_players.h"
#include "game/replay.h"
#include "game/rules.h"
#include "game/saved_game.h"
#include "game/manual_clock.h"
#include "game/null_screen.h"
#include "support/recording_log.h"

#include <gtest/gtest.h>

#include <memory>

namespace tycora::testing {
namespace {

// A person at the window: every answer and every throw a moment later.
class LatePerson final : public PlayerController {
public:
    explicit LatePerson(Clock &clock) : later_(clock, 1)
    {
        later_.setHandler([this] {
            later_.setEnabled(false);
            // The step may ask this person again: it is taken out first.
            const std::function<void()> step = std::move(pending_);
            pending_ = nullptr;
            step();
        });
    }

    void firstTurn(Engine &engine, int player) override { turnToThrow(engine, player); }
    void turnToThrow(Engine &engine, int player) override
    {
        act([&engine, player] { engine.rollDice(player); });
    }
    bool takesDeedActionsFromWindow(int) const override { return true; }
    bool logsBalanceBeforePurchase(int) const override { return true; }
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override
    {
        act([&engine, offer, answer] { answer(engine.state().Players[offer.player].Money > offer.price + 100); });
    }
    void raiseMoney(Engine &engine, int player, int owed) override
    {
        act([&engine, player, owed] {
            // A large debt is given up at once; a small one is raised by
            // selling and mortgaging the first thing it may.
            if (owed > engine.state().Players[player].Money + 300) {
                engine.declareBankruptcy(player);
                return;
            }
            while (engine.debtor() == player) {
                const auto sellable = engine.sellableSquares(player);
                const auto mortgageable = engine.mortgageableSquares(player);
                if (!sellable.empty())
                    engine.sellBuilding(player, sellable.front());
                else if (!mortgageable.empty())
                    engine.mortgage(player, mortgageable.front());
                else {
                    engine.declareBankruptcy(player);
                    return;
                }
            }
        });
    }
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override
    {
        act([&engine, player, answer] {
            const GameState &s = engine.state();
            answer(s.jailCards(player) ? JailChoice::UseCard
                                       : s.Players[player].Money > 400 ? JailChoice::PayFine : JailChoice::Throw);
        });
    }
    void payOrUseCard(Engine &, int, Answer<JailChoice> answer) override
    {
        act([answer] { answer(JailChoice::UseCard); });
    }
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override
    {
        const int next = auction.highestBid + 10;
        answer(next <= engine.state().Players[auction.bidder].Money / 4 ? next : 0);
    }

private:
    void act(std::function<void()> step)
    {
        pending_ = std::move(step);
        later_.setEnabled(true);
    }
    Timer later_;
    std::function<void()> pending_;
};

const std::vector<NewPlayer> Table{{"Ann", "Dog ", "Red", "Human"},
                                   {"Bob", "Hat", "Blue", "Computer"},
                                   {"Cy", "Shoe", "Green", "Human"}};

// One game at the table: people, a computer, dice from a seed.
struct Table3 {
    RecordingLog log;
    ManualClock clock;
    NullScreen screen;
    GameState state;
    SeededRandom random;
    RandomDice dice{random};
    Engine engine;
    std::vector<Decision> history;

    Table3(const GameOptions &options, std::uint64_t seed)
        : state(stateForSetup(Table)), random(seed), engine(state, screen, clock, log, dice, options)
    {
        for (int i : {0, 2})
            engine.setController(i, std::make_unique<LatePerson>(clock));
        engine.setDecisionObserver([this](const Decision &d) { history.push_back(d); });
    }
    void playUntil(long long handOvers)
    {
        while (engine.handOvers() < handOvers && engine.phase() != Engine::Phase::Over)
            ASSERT_TRUE(clock.advanceToNextTick());
        // A person throws a moment after the hand-over: wait for the settled point.
        while (!engine.settled())
            ASSERT_TRUE(clock.advanceToNextTick());
    }
    SavedGame capture() const { return captureGame(engine, {random.seed(), random.draws(), {}}, history); }
};

class PeopleSaveAndResume : public ::testing::TestWithParam<std::tuple<RuleSet, std::uint64_t>> {};

TEST_P(PeopleSaveAndResume, GoesOnAsTheGameThatWasNeverStopped)
{
    GameOptions options;
    options.rules = std::get<0>(GetParam());
    options.freeParkingPot = true;
    const std::uint64_t seed = std::get<1>(GetParam());
    Table3 whole(options, seed);
    whole.engine.startGame();
    whole.playUntil(60);
    const SavedGame saved = whole.capture();
    const std::size_t linesAtSave = whole.log.lines.size();
    ASSERT_EQ(firstProblem(saved), "");
    whole.playUntil(200);

    Table3 resumed(options, seed);
    resumed.state = saved.state;
    resumed.random.skip(saved.dice.draws);
    resumed.history = saved.history;
    resumed.engine.resume(saved.progress);
    resumed.playUntil(200);

    const std::vector<std::string> after(whole.log.lines.begin() + static_cast<long>(linesAtSave), whole.log.lines.end());
    for (std::size_t i = 0; i < std::min(after.size(), resumed.log.lines.size()); ++i)
        ASSERT_EQ(resumed.log.lines[i], after[i]) << "line " << i << " after the save; before it: "
                                                  << (i ? after[i - 1] : whole.log.lines[linesAtSave - 1]);
    EXPECT_EQ(resumed.log.lines.size(), after.size());
    EXPECT_EQ(firstDifference(resumed.state, whole.state), "");
    EXPECT_EQ(resumed.history, whole.history);

    NoEventLog quiet;
    EXPECT_EQ(replayDifference(saved, quiet), "");
    EXPECT_EQ(replayDifference(whole.capture(), quiet), "");
}

INSTANTIATE_TEST_SUITE_P(RulesAndSeeds, PeopleSaveAndResume,
                         ::testing::Combine(::testing::Values(RuleSet::Classic, RuleSet::Full),
                                            ::testing::Range<std::uint64_t>(1, 13)));

TEST(PeopleReplay, APersonsBankruptcyIsReplayed)
{
    // Seeds until a person goes bankrupt by their own declaration.
    NoEventLog quiet;
    int declared = 0;
    for (std::uint64_t seed = 1; seed < 40 && declared < 3; ++seed) {
        GameOptions options;
        options.rules = RuleSet::Full;
        Table3 game(options, seed);
        game.engine.startGame();
        game.playUntil(400);
        const SavedGame saved = game.capture();
        bool personDeclared = false;
        for (const Decision &d : saved.history)
            personDeclared |= d.kind == Decision::Kind::Bankrupt;
        if (!personDeclared)
            continue;
        ++declared;
        EXPECT_EQ(replayDifference(saved, quiet), "") << "seed " << seed;
    }
    EXPECT_GE(declared, 1);
}

} // namespace
} // namespace tycora::testing
