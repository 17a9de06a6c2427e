#include "support/engine_fixture.h"

#include "game/rules.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Building : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Robo", Computer);
    }
    int logCount(const std::string &needle) const
    {
        return static_cast<int>(std::count_if(log.lines.begin(), log.lines.end(),
                                              [&](const std::string &l) { return l.find(needle) != std::string::npos; }));
    }
};

TEST_F(Building, AComputerWithTheBrownGroupBuildsOneHouseOnOldKentRoadOnce)
{
    give(1, 1);
    give(1, 3);
    standOn(0, 0);
    standOn(1, 20);
    throwAndMove(0, 4, 6);   // Ann's turn ends: Robo's turn begins
    EXPECT_EQ(state.Buildings[1].Houses, 1);
    EXPECT_EQ(money(1), 1450);
    EXPECT_EQ(screen.status, "Robo Built a House on Old Kent Road");
    EXPECT_TRUE(logged("Robo (" + P + "1450) Built a House: Old Kent Road"));
    EXPECT_EQ(screen.squareShown[1].houses, 1);
    EXPECT_TRUE(screen.buildEnabled);
    EXPECT_TRUE(engine.tmrPause().enabled());

    // Later turns build nothing more.
    for (int turn = 0; turn < 6; ++turn) {
        state.CurrentPlayer = 0;
        standOn(0, 0);
        throwAndMove(0, 4, 6);
        // Robo's own turn plays out.
        for (int tick = 0; tick < 500 && state.CurrentPlayer == 1; ++tick)
            clock.advanceToNextTick();
    }
    EXPECT_EQ(state.Buildings[1].Houses, 1);
    EXPECT_EQ(logCount("Built a House"), 1);
}

TEST_F(Building, BuildingCostsEvenWithoutTheMoney)
{
    give(1, 1);
    give(1, 3);
    state.Players[1].Money = 20;
    throwAndMove(0, 4, 6);   // Robo's turn begins
    EXPECT_EQ(money(1), -30);
    EXPECT_TRUE(logged("Robo (" + P + "-30) Built a House: Old Kent Road"));
    EXPECT_EQ(screen.squareShown[1].houses, 1);
    const auto built = std::find(screen.calls.begin(), screen.calls.end(), "square:1");
    ASSERT_NE(built, screen.calls.end());
    EXPECT_NE(std::find(built, screen.calls.end(), "refreshMoney"), screen.calls.end());
}

TEST_F(Building, OtherWholeGroupsBuildNothing)
{
    give(1, 37);
    give(1, 39);
    throwAndMove(0, 4, 6);   // Robo's turn begins
    EXPECT_EQ(state.Buildings[37].Houses + state.Buildings[39].Houses + state.Buildings[1].Houses, 0);
    EXPECT_EQ(logCount("Built"), 0);
    EXPECT_TRUE(canBuild(state, 1));
}

TEST_F(Building, CanBuildIgnoresGroupsWithAHotel)
{
    give(0, 1);
    give(0, 3);
    EXPECT_TRUE(canBuild(state, 0));
    state.Buildings[3].Hotel = true;
    EXPECT_FALSE(canBuild(state, 0));
    give(0, 37);
    give(0, 39);
    EXPECT_TRUE(canBuild(state, 0));
}

TEST_F(Building, HousesEqualComparesHouseCountsOnly)
{
    state.Buildings[1].Houses = 1;
    EXPECT_FALSE(housesEqual(state, 1, 3, 0));
    state.Buildings[1] = {4, true};
    state.Buildings[3].Houses = 4;
    EXPECT_TRUE(housesEqual(state, 1, 3, 0));
    state.Buildings[6].Houses = 2;
    state.Buildings[8].Houses = 2;
    EXPECT_FALSE(housesEqual(state, 6, 8, 9));
    state.Buildings[9].Houses = 2;
    EXPECT_TRUE(housesEqual(state, 6, 8, 9));
}

TEST_F(Building, AHumanWithAWholeGroupGetsTheBuildButtonAtTheNextHandOver)
{
    give(0, 1);
    give(0, 3);
    standOn(1, 0);
    throwAndMove(1, 4, 6);   // Robo's move ends: Ann's turn
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_TRUE(screen.buildEnabled);
}

} // namespace
} // namespace tycora::testing
