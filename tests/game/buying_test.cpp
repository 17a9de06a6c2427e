#include "support/engine_fixture.h"

#include <algorithm>

namespace tycora::testing {
namespace {

const std::string P = "\xC2\xA3";

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
    screen.showCard(Deck::Chance, 2);
    screen.answers = {true};
    engine.resolveLanding(0, 1);
    EXPECT_EQ(screen.questions, (std::vector<std::string>{"Ann, do you want to purchase Old Kent Road for " + P + "60?"}));
    EXPECT_TRUE(state.Properties[1].Owned);
    EXPECT_EQ(state.Properties[1].Owner, 0);
    EXPECT_EQ(money(0), 1440);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Ann (" + P + "1500) Purchased Old Kent Road"}));
    EXPECT_EQ(screen.status, "Ann Purchased Old Kent Road");
    EXPECT_EQ(screen.cardShown, 0);   // the card picture went away
    EXPECT_TRUE(screen.propertyCardVisible);
    // The purchase steps, in order.
    auto at = [&](const std::string &c) { return std::find(screen.calls.begin(), screen.calls.end(), c); };
    EXPECT_LT(at("markOwner:0:1"), at("mini:0:1"));
    EXPECT_LT(at("mini:0:1"), at("refreshMoney"));
    EXPECT_LT(at("refreshMoney"), at("status:Ann Purchased Old Kent Road"));
    EXPECT_LT(at("status:Ann Purchased Old Kent Road"), at("propertyCard:1"));
    EXPECT_LT(at("propertyCard:1"), at("propertyCard:shown"));

    // Stopping there again asks nothing.
    engine.resolveLanding(0, 1);
    EXPECT_EQ(screen.questions.size(), 1u);
}

TEST_F(Buying, NoLeavesTheSquareUnbought)
{
    screen.answers = {false};
    engine.resolveLanding(0, 39);
    EXPECT_FALSE(state.Properties[39].Owned);
    EXPECT_EQ(money(0), 1500);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(Buying, YesWithoutEnoughMoneySaysWhy)
{
    state.Players[0].Money = 60;
    screen.answers = {true};
    engine.resolveLanding(0, 1);
    EXPECT_FALSE(state.Properties[1].Owned);
    EXPECT_EQ(money(0), 60);
    EXPECT_EQ(screen.status, "Ann cannot afford Old Kent Road");
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(Buying, AComputerBuysWhatItCanAffordWithMoneyToSpare)
{
    engine.resolveLanding(1, 1);
    EXPECT_TRUE(state.Properties[1].Owned);
    EXPECT_EQ(state.Properties[1].Owner, 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Robo (" + P + "1440) Purchased Old Kent Road"}));
    EXPECT_TRUE(screen.questions.empty());

    state.Players[1].Money = 60;
    engine.resolveLanding(1, 3);
    EXPECT_FALSE(state.Properties[3].Owned);
    state.Players[1].Money = 61;
    engine.resolveLanding(1, 3);
    EXPECT_TRUE(state.Properties[3].Owned);
    EXPECT_EQ(money(1), 1);
}

} // namespace
} // namespace tycora::testing
