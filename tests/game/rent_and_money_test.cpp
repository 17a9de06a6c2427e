#include "support/engine_fixture.h"

#include "game/figures.h"
#include "game/rules.h"

namespace tycora::testing {
namespace {

const std::string P = "\xC2\xA3";

class Rent : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
        addPlayer("Cy");
    }
    // Bob lands on the square with a throw totalling `total`.
    int rentPaidOn(int square, int total = 7)
    {
        state.DiceTotal = static_cast<Integer>(total);
        const int before = money(1);
        engine.resolveLanding(1, square);
        return before - money(1);
    }
};

TEST_F(Rent, StationsChargeByTheNumberTheOwnerHolds)
{
    give(0, 5);
    EXPECT_EQ(rentPaidOn(5), 25);
    give(0, 15);
    EXPECT_EQ(rentPaidOn(5), 50);
    EXPECT_EQ(rentPaidOn(15), 50);
    give(2, 25);   // someone else's station does not count
    EXPECT_EQ(rentPaidOn(15), 50);
    give(0, 35);
    EXPECT_EQ(rentPaidOn(35), 100);
    give(0, 25);
    EXPECT_EQ(rentPaidOn(5), 200);
}

TEST_F(Rent, UtilitiesChargeFourOrTenTimesTheDice)
{
    give(0, 12);
    EXPECT_EQ(rentPaidOn(12, 7), 28);
    give(2, 28);
    EXPECT_EQ(rentPaidOn(12, 7), 28);
    EXPECT_EQ(rentPaidOn(28, 7), 28);
    give(0, 28);
    EXPECT_EQ(rentPaidOn(28, 7), 70);
    EXPECT_EQ(rentPaidOn(12, 12), 120);
}

TEST_F(Rent, StreetsDoubleForAWholeGroupAndFollowTheBuildings)
{
    give(0, 1);
    EXPECT_EQ(rentPaidOn(1), 2);
    give(0, 3);
    EXPECT_EQ(rentPaidOn(1), 4);
    EXPECT_EQ(rentPaidOn(3), 8);
    EXPECT_TRUE(logged("Bob Pays Ann " + P + "8 Rent for Whitechapel Road"));
    state.Buildings[1].Houses = 1;
    EXPECT_EQ(rentPaidOn(1), 10);
    EXPECT_EQ(rentPaidOn(3), 8);
    const int withHouses[] = {0, 10, 30, 90, 160};
    for (int h = 2; h <= 4; ++h) {
        state.Buildings[1].Houses = static_cast<Integer>(h);
        EXPECT_EQ(rentPaidOn(1), withHouses[h]);
    }
    state.Buildings[1].Hotel = true;   // a hotel keeps Houses at 4
    EXPECT_EQ(rentPaidOn(1), 250);
}

TEST_F(Rent, HousesCountOnlyWithTheWholeGroup)
{
    give(0, 39);
    state.Buildings[39].Houses = 3;
    EXPECT_EQ(rentPaidOn(39), 50);
}

TEST_F(Rent, MoneyMovesAtOnceAndTheCountdownShowsIt)
{
    give(0, 1);
    state.Players[1].Money = 10;
    const int annBefore = money(0);
    state.DiceTotal = 5;
    engine.resolveLanding(1, 1);
    EXPECT_EQ(money(1), 8);
    EXPECT_EQ(money(0), annBefore + 2);
    EXPECT_EQ(state.SquareStats[1].TotalRent, 2);
    EXPECT_EQ(state.PayFrom, 1);
    EXPECT_EQ(state.PayTo, 0);
    EXPECT_EQ(state.PayAmount, 2);
    EXPECT_TRUE(engine.tmrMoneyDown.enabled());
    EXPECT_FALSE(screen.statusVisible);   // rent itself shows nothing

    clock.advance(100);
    EXPECT_EQ(screen.status, "Bob owes Ann " + P + "1");
    EXPECT_EQ(screen.calls.back(), "refreshMoney");
    EXPECT_TRUE(engine.tmrMoneyDown.enabled());
    clock.advance(100);
    EXPECT_EQ(screen.status, "Bob owes Ann " + P + "0");
    EXPECT_FALSE(engine.tmrMoneyDown.enabled());
    clock.advance(1000);
    EXPECT_EQ(screen.status, "Bob owes Ann " + P + "0");
}

TEST_F(Rent, ASecondRentRestartsTheCountdownWithTheNewNames)
{
    give(0, 39);
    give(0, 37);
    state.Buildings[39].Houses = 0;
    engine.resolveLanding(1, 39);   // £100
    clock.advance(50 * 100);
    EXPECT_EQ(screen.status, "Bob owes Ann " + P + "50");
    give(1, 1);
    engine.resolveLanding(2, 1);   // Cy pays Bob £2
    clock.advance(100);
    EXPECT_EQ(screen.status, "Cy owes Bob " + P + "1");
    clock.advance(100);
    EXPECT_FALSE(engine.tmrMoneyDown.enabled());
}

TEST_F(Rent, NothingHappensOnOwnSquareOrTheQuietCorners)
{
    give(1, 1);
    const auto before = state.Players;
    for (int sq : {1, 0, 10, 20})
        engine.resolveLanding(1, sq);
    EXPECT_EQ(money(1), before[1].Money);
    EXPECT_TRUE(log.lines.empty());
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_FALSE(engine.tmrMoneyDown.enabled());
}

TEST_F(Rent, ABalanceMayGoNegativeAndBuyingIsThenRefused)
{
    give(0, 39);
    give(0, 37);
    state.Players[1].Money = 10;
    engine.resolveLanding(1, 39);   // £100
    EXPECT_EQ(money(1), -90);
    state.Players[1].PlayerType = Computer;
    engine.resolveLanding(1, 3);
    EXPECT_FALSE(state.Properties[3].Owned);
}

TEST(Figures, SixteenBitFiguresSaturateInsteadOfWrapping)
{
    Player p;
    p.Money = 32700;
    changeMoney(p, 200);
    EXPECT_EQ(p.Money, 32767);
    p.Money = -32700;
    changeMoney(p, -2000);
    EXPECT_EQ(p.Money, -32768);
    Integer landed = 32767;
    addSaturating(landed, 1);
    EXPECT_EQ(landed, 32767);
}

class Taxes : public EngineFixture {
protected:
    void SetUp() override { addPlayer("Ann"); }
};

TEST_F(Taxes, IncomeTaxAndSuperTaxChargeTheirAmounts)
{
    engine.resolveLanding(0, 4);
    EXPECT_EQ(money(0), 1300);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Pays " + P + "200 Income Tax  -->  " + P + "1300");
    EXPECT_EQ(screen.status, "Ann Pays " + P + "200 Income Tax");
    EXPECT_FALSE(engine.tmrMoneyDown.enabled());

    state.Players[0].Money = 50;
    engine.resolveLanding(0, 38);
    EXPECT_EQ(money(0), -50);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "50) Pays " + P + "100 Super Tax  -->  " + P + "-50");
    EXPECT_EQ(screen.status, "Ann Pays " + P + "100 Super Tax");

    engine.resolveLanding(0, 38);
    EXPECT_EQ(money(0), -150);
}

TEST_F(Taxes, AGoSalaryAtTheTopOfTheRangeStopsThere)
{
    standOn(0, 37);
    state.Players[0].Money = 32700;
    throwAndMove(0, 1, 4);   // 37 + 5 = 2, passing GO
    EXPECT_EQ(money(0), 32767);
    EXPECT_TRUE(logged("Ann (" + P + "32700) Passed GO:  " + P + "200  -->  " + P + "32767"));
}

} // namespace
} // namespace tycora::testing
