// The computer's level: its names, and the engine giving each computer the
// player of its level under Full rules (and the classic computer, whatever
// the level, under Classic rules).

#include "support/engine_fixture.h"

#include "game/computer_level.h"

namespace tycora::testing {
namespace {

TEST(ComputerLevelNames, AreReadWhateverTheirCaseAndUnknownWordsAreRefused)
{
    const struct {
        const char *text;
        std::optional<ComputerLevel> level;
    } cases[] = {
        {"Easy", ComputerLevel::Easy}, {"normal", ComputerLevel::Normal}, {"HARD", ComputerLevel::Hard},
        {"hArD", ComputerLevel::Hard}, {"expert", std::nullopt},          {"", std::nullopt},
        {"easy ", std::nullopt},       {"Norma", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(levelFromName(c.text), c.level) << c.text;
    for (const ComputerLevel level : {ComputerLevel::Easy, ComputerLevel::Normal, ComputerLevel::Hard})
        EXPECT_EQ(levelFromName(levelName(level)), level);
}

class ComputerLevels : public EngineFixture {
protected:
    // A computer of the level, short of cash, lands on Whitechapel Road (£60).
    // Returns whether it bought it.
    bool buysWithLittleCash(RuleSet rules, ComputerLevel level)
    {
        addPlayer("Ann");
        NewPlayer robo{"Robo", std::string(PieceNames[1]), std::string(ColourNames[1]), std::string(TypeNames[1]), level};
        fillPlayerRecord(state, 1, robo);
        state.PlayerCount = 2;
        GameOptions options;
        options.rules = rules;
        useOptions(options);
        state.Players[1].Money = 100;
        std::vector<Decision> decisions;
        engine.setDecisionObserver([&](const Decision &d) { decisions.push_back(d); });
        landOn(1, 3, 3);
        for (const Decision &d : decisions)
            if (d.kind == Decision::Kind::Buy)
                return d.value == 1;
        ADD_FAILURE() << "no purchase question";
        return false;
    }
};

TEST_F(ComputerLevels, TheEasyComputerBuysOnImpulseWhereTheNormalOneKeepsItsReserve)
{
    EXPECT_TRUE(buysWithLittleCash(RuleSet::Full, ComputerLevel::Easy));
}

TEST_F(ComputerLevels, TheNormalComputerKeepsItsReserve)
{
    EXPECT_FALSE(buysWithLittleCash(RuleSet::Full, ComputerLevel::Normal));
}

TEST_F(ComputerLevels, UnderClassicRulesEveryLevelPlaysTheClassicComputer)
{
    // The classic computer buys whatever it can pay for with a pound to spare.
    EXPECT_TRUE(buysWithLittleCash(RuleSet::Classic, ComputerLevel::Normal));
}

} // namespace
} // namespace tycora::testing
