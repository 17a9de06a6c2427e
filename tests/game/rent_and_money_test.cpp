#include "support/engine_fixture.h"

#include "game/figures.h"
#include "game/rules.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Rent : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
        addPlayer("Cy");
    }
    // Bob lands on the square with a throw totalling `total`; the rent
    // paid there.
    int rentPaidOn(int square, int total = 7)
    {
        const int before = state.SquareStats[square].TotalRent;
        landOn(1, square, total);
        return state.SquareStats[square].TotalRent - before;
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

TEST_F(Rent, MoneyMovesAtOnceAndTheScreenIsToldOfThePayment)
{
    give(0, 1);
    state.Players[1].Money = 10;
    const int annBefore = money(0);
    landOn(1, 1, 5);   // from 36, passing GO
    EXPECT_EQ(money(1), 10 + 200 - 2);
    EXPECT_EQ(money(0), annBefore + 2);
    EXPECT_EQ(state.SquareStats[1].TotalRent, 2);
    // Bob paid Ann £2: the screen counts it down; rent itself shows nothing.
    EXPECT_EQ(screen.payments, (std::vector<std::array<int, 3>>{{1, 0, 2}}));
    EXPECT_FALSE(screen.statusVisible);
}

TEST_F(Rent, EachRentIsReportedWithItsPayerPayeeAndAmount)
{
    give(0, 39);
    give(0, 37);
    state.Buildings[39].Houses = 0;
    landOn(1, 39, 5);   // £100
    clock.advance(50 * 100);
    give(1, 1);
    standOn(2, 39);
    throwAndMove(2, 1, 1);   // Cy walks to Old Kent Road and pays Bob £2
    EXPECT_TRUE(logged("Cy Pays Bob " + P + "2 Rent for Old Kent Road"));
    EXPECT_EQ(screen.payments, (std::vector<std::array<int, 3>>{{1, 0, 100}, {2, 1, 2}}));
}

TEST_F(Rent, NothingHappensOnOwnSquareOrTheQuietCorners)
{
    give(1, 11);
    for (int sq : {11, 10, 20}) {
        landOn(1, sq, 5);
        EXPECT_EQ(money(1), 1500);
    }
    log.lines.erase(std::remove_if(log.lines.begin(), log.lines.end(),
                                   [](const std::string &l) { return l.find(" rolls:  ") != std::string::npos; }),
                    log.lines.end());
    EXPECT_TRUE(log.lines.empty());
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_TRUE(screen.payments.empty());
}

TEST_F(Rent, ABalanceMayGoNegativeAndBuyingIsThenRefused)
{
    give(0, 39);
    give(0, 37);
    state.Players[1].Money = 10;
    landOn(1, 39, 5);   // £100
    EXPECT_EQ(money(1), -90);
    state.Players[1].PlayerType = Computer;
    landOn(1, 6, 5);    // from 1: no salary on the way
    EXPECT_FALSE(state.Properties[6].Owned);
}

TEST(Figures, SixteenBitFiguresSaturateInsteadOfWrapping)
{
    EXPECT_EQ(moneyAfter(32700, 200, RuleSet::Classic), 32767);
    EXPECT_EQ(moneyAfter(-32700, -2000, RuleSet::Classic), -32768);
    // Under Full rules a balance holds the whole sum.
    EXPECT_EQ(moneyAfter(32700, 200, RuleSet::Full), 32900);
    EXPECT_EQ(moneyAfter(2'000'000'000, 2'000'000'000, RuleSet::Full), 4'000'000'000);
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
    landOn(0, 4);
    EXPECT_EQ(money(0), 1300);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Pays " + P + "200 Income Tax  -->  " + P + "1300");
    EXPECT_EQ(screen.status, "Ann Pays " + P + "200 Income Tax");
    EXPECT_TRUE(screen.payments.empty());

    state.Players[0].Money = 50;
    landOn(0, 38);
    EXPECT_EQ(money(0), -50);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "50) Pays " + P + "100 Super Tax  -->  " + P + "-50");
    EXPECT_EQ(screen.status, "Ann Pays " + P + "100 Super Tax");

    landOn(0, 38);
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

// Under Full rules a balance and the pot hold whatever the game brings them:
// every change is the amount the log states.
class FullRulesMoney : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
        GameOptions options;
        options.rules = RuleSet::Full;
        options.freeParkingPot = true;
        useOptions(options);
        engine.startGame();
    }
};

TEST_F(FullRulesMoney, SalaryRentAndThePotGoPastTheClassicRange)
{
    standOn(0, 37);
    state.Players[0].Money = 32700;
    throwAndMove(0, 1, 5);   // 37 + 6 = 3, passing GO
    EXPECT_EQ(money(0), 32900);
    EXPECT_TRUE(logged("Ann (" + P + "32700) Passed GO:  " + P + "200  -->  " + P + "32900"));

    // Rent paid to a player already past the classic range arrives whole.
    give(0, 39);
    state.Players[0].Money = 32767;
    landOn(1, 39, 5);
    EXPECT_EQ(money(0), 32767 + 50);
    EXPECT_EQ(money(1), 1500 - 50);

    // The pot grows past it too, and is collected whole.
    state.FreeParking = 32700;
    landOn(1, 4);   // Income Tax into the pot
    EXPECT_EQ(state.FreeParking, 32900);
    state.Players[1].Money = 40000;
    landOn(1, 20);
    EXPECT_EQ(money(1), 40000 + 32900);
    EXPECT_TRUE(logged("Bob (" + P + "40000) Collects " + P + "32900 from Free Parking  -->  " + P + "72900"));
}

} // namespace
} // namespace tycora::testing
