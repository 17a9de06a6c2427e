// A computer remembers the offers it has made on a board and does not make
// them again; a saved game carries that memory, so a game saved to a file
// and loaded goes on as the one never stopped, remembering what it
// remembers.

#include "game/computer_players.h"
#include "support/recording_log.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tycora::testing {
namespace {

// Proposes as the Full rules computer does and turns every offer down, so
// the same offers would come again and again on a board that stands still.
class Refuser final : public FullRulesComputer {
public:
    void answerTrade(Engine &, const TradeOffer &, Answer<TradeReply> answer) override
    {
        answer(TradeReply::reject());
    }
};

SimulationOptions refusersGame(std::uint64_t seed, long long turns)
{
    SimulationOptions o;
    o.players = 3;
    o.turns = turns;
    o.seed = seed;
    o.game.rules = RuleSet::Full;
    o.game.trading = true;
    o.recordHistory = true;
    return o;
}

void seatRefusers(Simulation &sim)
{
    for (int seat = 0; seat < 3; ++seat)
        sim.engine().setController(seat, std::make_unique<Refuser>());
}

bool remembersOffers(const GameState &state)
{
    return std::any_of(std::begin(state.Trading.computers), std::end(state.Trading.computers),
                       [](const ComputerTradeMemory &m) { return !m.sentOffers.empty(); });
}

TEST(TradingMemory, AGameLoadedFromAFileGoesOnRememberingTheOffersMade)
{
    constexpr long long Before = 30, After = 20;
    int compared = 0;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        RecordingLog wholeLog;
        Simulation whole(refusersGame(seed, Before + After), wholeLog);
        seatRefusers(whole);
        whole.setUp();
        while (whole.engine().handOvers() < Before && whole.engine().phase() != Engine::Phase::Over)
            ASSERT_TRUE(whole.playTick());
        if (!remembersOffers(whole.state()))
            continue;
        const std::size_t linesAtSave = wholeLog.lines.size();
        const QByteArray file = save::gameDocument(whole.capture(), TestProvenance);
        ASSERT_TRUE(whole.run());

        const save::ReadGame loaded = save::readGameDocument(file);
        ASSERT_EQ(loaded.problem, "");
        RecordingLog resumedLog;
        Simulation resumed(optionsToResume(loaded.game, After), resumedLog);
        seatRefusers(resumed);
        resumed.resumeFrom(loaded.game);
        ASSERT_TRUE(resumed.run());
        const std::vector<std::string> rest(wholeLog.lines.begin() + static_cast<long>(linesAtSave),
                                            wholeLog.lines.end());
        EXPECT_EQ(resumedLog.lines, rest) << "seed " << seed;
        // And it ends remembering what the game never stopped remembers.
        EXPECT_TRUE(resumed.state().Trading == whole.state().Trading) << "seed " << seed;
        ++compared;
    }
    EXPECT_GT(compared, 0) << "no game had offers to remember";
}

} // namespace
} // namespace tycora::testing
