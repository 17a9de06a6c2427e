// Every card acts under Full rules, with its exact log line; the cards of
// the classic game keep their lines.

#include "support/engine_fixture.h"
#include "support/pound.h"

namespace tycora::testing {
namespace {

class FullCards : public EngineFixture {
protected:
    void SetUp() override { startFullRulesGame(); }
    // Ann stops on the Community Chest of square 17 (or Chance on 22) and
    // draws the card at `position`.
    void drawCommunity(int position)
    {
        state.CommunityPos = static_cast<Integer>(position);
        landOn(0, 17);
    }
    void drawChance(int position)
    {
        state.ChancePos = static_cast<Integer>(position);
        landOn(0, 22);
    }
};

TEST_F(FullCards, MoneyCardsOfTheCommunityChestPayOrCharge)
{
    struct Case {
        int position;
        int change;
        std::string card;
    };
    const Case cases[] = {
        {2, 200, "BankError"},         {3, 10, "BeautyContest"},  {4, -50, "DoctorsFee"},
        {5, 100, "Inherit100"},        {6, 100, "LifeInsuranceMatures"}, {7, -100, "PayHospital"},
        {8, 50, "SaleOfStock"},        {9, -150, "PaySchoolTax"}, {11, 20, "IncomeTaxRefund"},
        {12, 100, "XmasFundMatures"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.card);
        state.Players[0].Money = 1000;
        drawCommunity(c.position);
        EXPECT_EQ(money(0), 1000 + c.change);
        const std::string figures = c.change > 0 ? P + std::to_string(c.change) + "  --->   " + P + std::to_string(1000 + c.change)
                                                 : "-" + P + std::to_string(-c.change) + "  --->   " + P +
                                                       std::to_string(1000 + c.change);
        EXPECT_EQ(log.lines.back(), "Ann (" + P + "1000) Landed on Community Chest: " + c.card + "    " + figures);
        EXPECT_EQ(state.Players[0].Square, 17);
    }
}

TEST_F(FullCards, EveryLineNamesTheDeckItsCardCameFromAndWritesPounds)
{
    state.Players[0].Money = 10;
    give(0, 5);
    drawChance(11);   // PoorTax: under Full rules a player short of cash raises it first
    EXPECT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    ASSERT_TRUE(engine.mortgage(0, 5));
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "110) Landed on Chance: PoorTax    -" + P + "15  --->   " + P + "95");
    drawCommunity(0);
    EXPECT_TRUE(logged("Ann (" + P + "95) Landed on Community Chest: AdvanceToGO"));
}

TEST_F(FullCards, ACardThatBankruptsItsDrawerIsLoggedBeforeTheBankruptcy)
{
    for (const int sq : {1, 3})
        give(0, sq);
    state.Buildings[1] = {1, false};
    state.HousesLeft = 31;
    state.Players[0].Money = 10;
    drawCommunity(7);   // PayHospital: 100, more than all Ann holds would fetch
    const std::vector<std::string> tail = {
        "Ann (" + P + "10) Must Raise " + P + "90",
        "Ann (" + P + "10) Landed on Community Chest: PayHospital",
        "Ann (" + P + "10) Sells a House on Old Kent Road  -->  " + P + "35",
        "Ann (" + P + "35) is Bankrupt to the Bank",
        "Bob Wins the Game",
    };
    const std::vector<std::string> lines = eventLines();
    ASSERT_GE(lines.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(tail.size()), lines.end()), tail);
}

TEST_F(FullCards, RepairsCountHousesAndHotels)
{
    for (const int sq : {6, 8, 9})
        give(0, sq);
    state.Buildings[6] = {2, false};
    state.Buildings[8] = {3, false};
    state.Buildings[9] = {4, true};
    drawChance(10);   // HouseRepairs: 25 a house, 100 a hotel
    EXPECT_EQ(money(0), 1500 - (5 * 25 + 100));
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Landed on Chance: HouseRepairs    -" + P + "225  --->   " + P + "1275");
    drawCommunity(10);   // StreetRepairs: 40 a house, 115 a hotel
    EXPECT_EQ(money(0), 1275 - (5 * 40 + 115));
    EXPECT_EQ(log.lines.back(),
              "Ann (" + P + "1275) Landed on Community Chest: StreetRepairs    -" + P + "315  --->   " + P + "960");
}

TEST_F(FullCards, TripToMaryleboneWalksForwardWithTheSalaryWhenItPassesGo)
{
    drawChance(12);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Landed on Chance: TripMarylebone"));
    EXPECT_EQ(state.Players[0].Square, 15);
    EXPECT_EQ(money(0), 1700);   // from 22 round past GO
}

TEST_F(FullCards, GoBackToOldKentRoadWalksBackwardsWithoutSalary)
{
    drawCommunity(1);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Landed on Community Chest: GoBackToOldKentRoad"));
    EXPECT_EQ(state.Players[0].Square, 1);
    EXPECT_EQ(money(0), 1500);
    EXPECT_EQ(state.SquareStats[1].Landed, 1);
}

TEST_F(FullCards, TheCommunityChestsJailCardIsKeptToo)
{
    drawCommunity(13);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Landed on Community Chest: GetOutJailCard"));
    EXPECT_EQ(state.JailCardHolder[1], 0);
    EXPECT_TRUE(called("playerState:0"));
}

} // namespace
} // namespace tycora::testing
