#include "support/engine_fixture.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Buying : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Robo", Computer);
    }
};

TEST_F(Buying, AHumanIsAskedAndYesBuys)
{
    screen.answers = {true};
    // Chance sends Ann on to Pall Mall, where she buys: the card goes away.
    state.ChancePos = 1;
    landOn(0, 7);
    EXPECT_EQ(screen.questions, (std::vector<std::string>{"Ann, do you want to purchase Pall Mall for " + P + "140?"}));
    EXPECT_TRUE(state.Properties[11].Owned);
    EXPECT_EQ(state.Properties[11].Owner, 0);
    EXPECT_EQ(money(0), 1360);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Purchased Pall Mall");
    EXPECT_EQ(screen.cardShown, 0);   // the card picture went away
    EXPECT_TRUE(screen.propertyCardVisible);
    // The purchase steps, in order: the board shows the new owner, then
    // the money.
    auto at = [&](const std::string &c) { return std::find(screen.calls.begin(), screen.calls.end(), c); };
    EXPECT_EQ(screen.squareShown[11].owner, 0);
    EXPECT_LT(at("square:11"), std::find(at("square:11"), screen.calls.end(), "refreshMoney"));
    EXPECT_LT(at("status:Ann Purchased Pall Mall"), std::find(at("status:Ann Purchased Pall Mall"), screen.calls.end(),
                                                               "propertyCard:11"));

    // Stopping there again asks nothing.
    landOn(0, 11);
    EXPECT_EQ(screen.questions.size(), 1u);
}

TEST_F(Buying, TheDeedIsInViewWhileThePersonDecides)
{
    screen.holdQuestions = true;
    landOn(0, 39);
    ASSERT_TRUE(screen.openQuestion);
    EXPECT_TRUE(screen.propertyCardVisible);
    EXPECT_NE(std::find(screen.calls.begin(), screen.calls.end(), "propertyCard:39"), screen.calls.end());
    // The game waits for the answer: no hand-over, no timer.
    EXPECT_EQ(engine.phase(), Engine::Phase::Deciding);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
    EXPECT_EQ(state.CurrentPlayer, 0);
    screen.answerQuestion(false);
    EXPECT_FALSE(screen.propertyCardVisible);
    EXPECT_FALSE(state.Properties[39].Owned);
    EXPECT_EQ(state.CurrentPlayer, 1);
    // A late second answer changes nothing.
    screen.answerQuestion(true);
    EXPECT_FALSE(state.Properties[39].Owned);
}

TEST_F(Buying, NoLeavesTheSquareUnbought)
{
    screen.answers = {false};
    landOn(0, 39);
    EXPECT_FALSE(state.Properties[39].Owned);
    EXPECT_EQ(money(0), 1500);
    EXPECT_TRUE(eventLines().empty());
}

TEST_F(Buying, YesWithoutEnoughMoneySaysWhy)
{
    state.Players[0].Money = 60;
    screen.answers = {true};
    landOn(0, 3);   // from GO to Whitechapel Road, £60
    EXPECT_FALSE(state.Properties[3].Owned);
    EXPECT_EQ(money(0), 60);
    EXPECT_EQ(screen.status, "Ann cannot afford Whitechapel Road");
}

TEST_F(Buying, AComputerBuysWhatItCanAffordWithMoneyToSpare)
{
    landOn(1, 6);
    EXPECT_TRUE(state.Properties[6].Owned);
    EXPECT_EQ(state.Properties[6].Owner, 1);
    EXPECT_EQ(eventLines(), (std::vector<std::string>{"Robo (" + P + "1400) Purchased The Angel Islington"}));
    EXPECT_TRUE(screen.questions.empty());

    state.Players[1].Money = 100;
    landOn(1, 8);
    EXPECT_FALSE(state.Properties[8].Owned);
    state.Players[1].Money = 101;
    landOn(1, 8);
    EXPECT_TRUE(state.Properties[8].Owned);
    EXPECT_EQ(money(1), 1);
}

} // namespace
} // namespace tycora::testing
