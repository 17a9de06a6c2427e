// Full rules, part one: building and selling evenly, mortgages, raising
// money, bankruptcy and the winner.

#include "support/engine_fixture.h"

#include "game/rules.h"
#include "support/pound.h"

#include <algorithm>
#include <array>

namespace tycora::testing {
namespace {

class FullRules : public EngineFixture {
protected:
    void SetUp() override { startFullRulesGame(); }
    // Streets handed over as if bought.
    void giveGroup(int player, int group)
    {
        for (const int sq : groupSquares(group))
            give(player, sq);
    }
    void putUp(int square, int houses, bool hotel = false)
    {
        state.Buildings[square] = {static_cast<Integer>(houses), hotel};
        state.HousesLeft = static_cast<Integer>(state.HousesLeft - (hotel ? 0 : houses));
        state.HotelsLeft = static_cast<Integer>(state.HotelsLeft - (hotel ? 1 : 0));
    }
    std::vector<int> sorted(std::vector<int> v) const
    {
        std::sort(v.begin(), v.end());
        return v;
    }
};

TEST_F(FullRules, APersonBuildsEvenlyUpToAHotelWithTheBuildingsWording)
{
    giveGroup(0, 0);
    EXPECT_EQ(engine.buildableSquares(0), (std::vector<int>{1, 3}));
    ASSERT_TRUE(engine.build(0, 1));
    EXPECT_EQ(screen.status, "Ann Built a House on Old Kent Road");
    EXPECT_TRUE(screen.actions.build);
    // The second house must wait for Whitechapel Road's first.
    EXPECT_EQ(engine.buildableSquares(0), (std::vector<int>{3}));
    EXPECT_FALSE(engine.build(0, 1));
    ASSERT_TRUE(engine.build(0, 3));
    ASSERT_TRUE(engine.build(0, 1));
    EXPECT_EQ(screen.status, "Ann built a house on Old Kent Road");
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(engine.build(0, 3));
        ASSERT_TRUE(engine.build(0, 1));
    }
    // Four houses on Old Kent Road, three on Whitechapel Road: no hotel yet.
    EXPECT_EQ(engine.buildableSquares(0), (std::vector<int>{3}));
    ASSERT_TRUE(engine.build(0, 3));
    EXPECT_EQ(engine.buildableSquares(0), (std::vector<int>{1, 3}));
    ASSERT_TRUE(engine.build(0, 1));   // the hotel
    EXPECT_EQ(screen.status, "Ann built a hotel on Old Kent Road");
    EXPECT_TRUE(state.Buildings[1].Hotel);
    EXPECT_EQ(state.HousesLeft, 32 - 4);   // the hotel gave its four houses back
    EXPECT_EQ(state.HotelsLeft, 11);
    EXPECT_EQ(money(0), 1500 - 9 * 50);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1050) Built a Hotel: Old Kent Road");
    EXPECT_TRUE(screen.squareShown[1].hotel);
    // Old Kent Road is full; Whitechapel Road may take its hotel.
    EXPECT_EQ(engine.buildableSquares(0), (std::vector<int>{3}));
}

TEST_F(FullRules, BuildingNeedsAWholeUnmortgagedGroupCashAndTheBanksStock)
{
    give(0, 1);
    EXPECT_TRUE(engine.buildableSquares(0).empty());
    give(0, 3);
    state.Properties[3].Mortgaged = true;
    EXPECT_TRUE(engine.buildableSquares(0).empty());
    state.Properties[3].Mortgaged = false;
    state.Players[0].Money = 49;
    EXPECT_TRUE(engine.buildableSquares(0).empty());
    EXPECT_FALSE(engine.build(0, 1));
    state.Players[0].Money = 50;
    state.HousesLeft = 1;
    ASSERT_TRUE(engine.build(0, 1));
    EXPECT_EQ(money(0), 0);
    EXPECT_EQ(state.HousesLeft, 0);
    state.Players[0].Money = 500;
    // The bank has run out of houses.
    EXPECT_TRUE(engine.buildableSquares(0).empty());
    // Nobody builds in another player's turn, nor while a piece walks.
    EXPECT_TRUE(engine.buildableSquares(1).empty());
}

TEST_F(FullRules, BuildingsSellBackEvenlyForHalfTheirCost)
{
    giveGroup(0, 1);   // 6, 8, 9: houses cost 50
    putUp(6, 2);
    putUp(8, 2);
    putUp(9, 1);
    EXPECT_EQ(sorted(engine.sellableSquares(0)), (std::vector<int>{6, 8}));
    ASSERT_FALSE(engine.sellBuilding(0, 9));
    ASSERT_TRUE(engine.sellBuilding(0, 6));
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Sells a House on The Angel Islington  -->  " + P + "1525");
    EXPECT_EQ(screen.status, "Ann Sells a House on The Angel Islington");
    EXPECT_EQ(screen.squareShown[6].houses, 1);
    EXPECT_EQ(state.HousesLeft, 32 - 5 + 1);
    EXPECT_EQ(engine.sellableSquares(0), (std::vector<int>{8}));
}

TEST_F(FullRules, AHotelSellsBackToFourHousesOrToAsManyAsTheBankHas)
{
    giveGroup(0, 7);   // Park Lane and Mayfair: 200 a building
    putUp(37, 4, true);
    putUp(39, 4, true);
    ASSERT_TRUE(engine.sellBuilding(0, 39));
    EXPECT_EQ(state.Buildings[39].Houses, 4);
    EXPECT_FALSE(state.Buildings[39].Hotel);
    EXPECT_EQ(state.HousesLeft, 28);
    EXPECT_EQ(money(0), 1600);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Sells a Hotel on Mayfair  -->  " + P + "1600");
    // With two houses left in the bank, Park Lane's hotel cannot come back
    // as four houses: the group comes down evenly to the six houses there
    // are, Mayfair giving up one of its four.
    state.HousesLeft = 2;
    EXPECT_EQ(nextSaleValue(state, 37), 100 + 100 + 100);
    ASSERT_TRUE(engine.sellBuilding(0, 37));
    EXPECT_EQ(state.Buildings[37].Houses, 3);
    EXPECT_FALSE(state.Buildings[37].Hotel);
    EXPECT_EQ(state.Buildings[39].Houses, 3);
    EXPECT_EQ(state.HousesLeft, 0);
    EXPECT_EQ(money(0), 1600 + 300);
    for (const int sq : {37, 39}) {
        EXPECT_EQ(screen.squareShown[sq].houses, 3) << sq;
        EXPECT_FALSE(screen.squareShown[sq].hotel) << sq;
    }
    EXPECT_EQ(std::vector<std::string>(log.lines.end() - 2, log.lines.end()),
              (std::vector<std::string>{"Ann (" + P + "1600) Sells a Hotel on Park Lane  -->  " + P + "1800",
                                        "Ann (" + P + "1800) Sells a House on Mayfair  -->  " + P + "1900"}));
    EXPECT_EQ(screen.status, "Ann Sells a Hotel on Park Lane");
}

TEST_F(FullRules, AHotelTheBankCannotHouseBringsItsWholeGroupDownEvenly)
{
    // The light blue group: 50 a house or hotel, so 25 back for each.
    struct Case {
        std::array<int, 3> before;   // buildings on 6, 8, 9 (5: a hotel)
        int bankHouses;
        int sold;
        std::array<int, 3> after;
        std::vector<std::string> lines;
    };
    const std::string angel = "The Angel Islington", euston = "Euston Road", pentonville = "Pentonville Road";
    const auto line = [&](int from, const std::string &what, int to) {
        return "Ann (" + P + std::to_string(from) + ") Sells a " + what + "  -->  " + P + std::to_string(to);
    };
    const Case cases[] = {
        {{4, 4, 5}, 0, 9, {3, 3, 2},
         {line(1500, "Hotel on " + pentonville, 1575), line(1575, "House on " + angel, 1600),
          line(1600, "House on " + euston, 1625)}},
        {{5, 5, 5}, 2, 8, {1, 0, 1},
         {line(1500, "Hotel on " + euston, 1625), line(1625, "Hotel on " + angel, 1725),
          line(1725, "Hotel on " + pentonville, 1825)}},
        {{5, 5, 4}, 3, 6, {2, 2, 3},
         {line(1500, "Hotel on " + angel, 1575), line(1575, "Hotel on " + euston, 1650),
          line(1650, "House on " + pentonville, 1675)}},
    };
    const int streets[] = {6, 8, 9};
    for (const Case &c : cases) {
        SCOPED_TRACE("selling on " + std::to_string(c.sold));
        log.lines.clear();
        state.Players[0].Money = 1500;
        giveGroup(0, 1);
        state.HousesLeft = static_cast<Integer>(c.bankHouses);
        state.HotelsLeft = HotelStock;
        int housesOnGroup = 0;
        for (int i = 0; i < 3; ++i) {
            const bool hotel = c.before[i] == 5;
            state.Buildings[streets[i]] = {static_cast<Integer>(hotel ? 4 : c.before[i]), hotel};
            state.HotelsLeft = static_cast<Integer>(state.HotelsLeft - hotel);
            housesOnGroup += hotel ? 0 : c.before[i];
        }
        const int value = nextSaleValue(state, c.sold);
        ASSERT_TRUE(engine.sellBuilding(0, c.sold));
        int housesAfter = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(state.Buildings[streets[i]].Hotel);
            EXPECT_EQ(state.Buildings[streets[i]].Houses, c.after[i]) << streets[i];
            housesAfter += c.after[i];
        }
        EXPECT_EQ(log.lines, c.lines);
        EXPECT_EQ(money(0), 1500 + value);   // what the Sell window offered
        EXPECT_EQ(state.HotelsLeft, HotelStock);
        EXPECT_EQ(state.HousesLeft, c.bankHouses + housesOnGroup - housesAfter);
    }
}

TEST_F(FullRules, MortgagesPayTheValueAndCostATenthMoreToLift)
{
    giveGroup(0, 0);
    give(0, 5);
    EXPECT_EQ(sorted(engine.mortgageableSquares(0)), (std::vector<int>{1, 3, 5}));
    ASSERT_TRUE(engine.mortgage(0, 5));
    EXPECT_EQ(money(0), 1600);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1500) Mortgages King's Cross Station  -->  " + P + "1600");
    EXPECT_TRUE(screen.squareShown[5].mortgaged);
    EXPECT_TRUE(screen.actions.unmortgage);
    EXPECT_EQ(engine.unmortgageableSquares(0), (std::vector<int>{5}));
    EXPECT_EQ(unmortgagePrice(5), 110);
    EXPECT_EQ(unmortgagePrice(1), 33);   // 30 and a tenth
    EXPECT_EQ(unmortgagePrice(14), 88);  // 80 and a tenth
    EXPECT_EQ(unmortgagePrice(28), 83);  // 75 and 7.5, rounded up
    ASSERT_TRUE(engine.unmortgage(0, 5));
    EXPECT_EQ(money(0), 1490);
    EXPECT_EQ(log.lines.back(), "Ann (" + P + "1600) Unmortgages King's Cross Station  -->  " + P + "1490");
    EXPECT_FALSE(screen.squareShown[5].mortgaged);
    // A street whose group has buildings cannot be mortgaged.
    putUp(1, 1);
    EXPECT_EQ(engine.mortgageableSquares(0), (std::vector<int>{5}));
}

TEST_F(FullRules, AMortgagedSquareChargesNoRentButItsGroupStillCounts)
{
    giveGroup(0, 0);
    state.Properties[3].Mortgaged = true;
    landOn(1, 3);   // from GO
    EXPECT_EQ(money(1), 1500);
    EXPECT_EQ(screen.status, "Whitechapel Road is mortgaged: no rent");
    EXPECT_TRUE(engine.buildableSquares(0).empty());
    // Old Kent Road, bare, still earns double with the whole group.
    landOn(1, 1);
    EXPECT_TRUE(logged("Bob Pays Ann " + P + "4 Rent for Old Kent Road"));
}

TEST_F(FullRules, APersonRaisesMoneyThenPays)
{
    giveGroup(0, 7);
    putUp(39, 4, true);   // rent 2000
    give(1, 5);
    give(1, 15);
    give(1, 6);
    state.Players[1].Money = 1800;
    landOn(1, 39, 5);   // from 34: no salary
    EXPECT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    EXPECT_TRUE(logged("Bob (" + P + "1800) Must Raise " + P + "200"));
    EXPECT_EQ(screen.status, "Bob Must Raise " + P + "200");
    EXPECT_EQ(screen.raisingPlayer, 1);
    EXPECT_EQ(screen.raisingOwed, 2000);
    EXPECT_TRUE(screen.actions.mortgage);
    EXPECT_TRUE(screen.actions.declareBankruptcy);
    EXPECT_FALSE(screen.rollEnabled);
    EXPECT_EQ(money(0), 1500);   // nothing paid yet
    // Bob may not build or lift mortgages now, only raise money.
    EXPECT_TRUE(engine.unmortgageableSquares(1).empty());

    ASSERT_TRUE(engine.mortgage(1, 5));
    EXPECT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    ASSERT_TRUE(engine.mortgage(1, 15));   // 1800 + 200: covered
    EXPECT_EQ(money(1), 0);
    EXPECT_EQ(money(0), 3500);
    EXPECT_TRUE(logged("Bob Pays Ann " + P + "2000 Rent for Mayfair"));
    EXPECT_EQ(screen.raisingPlayer, -1);
    EXPECT_FALSE(screen.actions.declareBankruptcy);
    EXPECT_EQ(state.CurrentPlayer, 0);   // the move ended as usual
    EXPECT_EQ(screen.payments, (std::vector<std::array<int, 3>>{{1, 0, 2000}}));
    EXPECT_FALSE(state.Properties[6].Mortgaged);   // never more than needed
}

TEST_F(FullRules, AComputerSellsBuildingsFirstThenMortgagesWhatEarnsLeast)
{
    state.Players[1].PlayerType = Computer;
    giveGroup(0, 7);
    putUp(39, 4, true);
    giveGroup(1, 1);   // 6, 8, 9 with a house each
    putUp(6, 1);
    putUp(8, 1);
    putUp(9, 1);
    give(1, 12);       // Electric Company
    give(1, 31);       // Regent Street
    state.Players[1].Money = 1790;
    landOn(1, 39, 5);
    EXPECT_TRUE(logged("Bob (" + P + "1790) Must Raise " + P + "210"));
    // The three houses first (1865), then the deeds that earn least: the
    // bare light blue streets (1915, 1965, 2025), and no more.
    EXPECT_EQ(state.Buildings[6].Houses + state.Buildings[8].Houses + state.Buildings[9].Houses, 0);
    EXPECT_TRUE(state.Properties[6].Mortgaged);
    EXPECT_TRUE(state.Properties[8].Mortgaged);
    EXPECT_TRUE(state.Properties[9].Mortgaged);
    EXPECT_FALSE(state.Properties[12].Mortgaged);
    EXPECT_FALSE(state.Properties[31].Mortgaged);
    EXPECT_EQ(money(1), 25);
    EXPECT_TRUE(logged("Bob Pays Ann " + P + "2000 Rent for Mayfair"));
    const auto sold = std::find(log.lines.begin(), log.lines.end(),
                                "Bob (" + P + "1790) Sells a House on The Angel Islington  -->  " + P + "1815");
    const auto mortgaged = std::find(log.lines.begin(), log.lines.end(),
                                     "Bob (" + P + "1865) Mortgages The Angel Islington  -->  " + P + "1915");
    EXPECT_LT(sold, mortgaged);
    EXPECT_NE(mortgaged, log.lines.end());
}

TEST_F(FullRules, BankruptToAPlayerHandsOverCashAndDeedsAndTheWinnerIsNamed)
{
    giveGroup(0, 7);
    putUp(39, 4, true);
    give(1, 5);
    state.Properties[5].Mortgaged = true;
    give(1, 6);
    state.Players[1].Money = 300;
    landOn(1, 39, 5);
    // 300 + 50 for The Angel Islington cannot make 2000.
    EXPECT_TRUE(logged("Bob (" + P + "300) is Bankrupt to Ann"));
    EXPECT_TRUE(state.Players[1].Bankrupt);
    EXPECT_EQ(money(0), 1800);
    EXPECT_TRUE(state.holds(0, 5));
    EXPECT_TRUE(state.Properties[5].Mortgaged);   // stays mortgaged
    EXPECT_TRUE(state.holds(0, 6));
    EXPECT_EQ(screen.squareShown[6].owner, 0);
    EXPECT_EQ(screen.squareShown[5].owner, 0);
    EXPECT_TRUE(screen.squareShown[5].mortgaged);
    EXPECT_TRUE(screen.piecesShown[39].empty());   // Bob's piece left the board
    // Ann is the last player standing.
    EXPECT_EQ(log.lines.back(), "Ann Wins the Game");
    EXPECT_EQ(screen.status, "Ann Wins the Game");
    EXPECT_EQ(screen.winner, 0);
    EXPECT_EQ(engine.winner(), 0);
    EXPECT_EQ(engine.phase(), Engine::Phase::Over);
    EXPECT_FALSE(screen.rollEnabled);
    EXPECT_FALSE(engine.tmrMovePiece().enabled());
    EXPECT_FALSE(logged("Bob Pays Ann " + P + "2000 Rent for Mayfair"));
}

TEST_F(FullRules, BankruptToTheBankReturnsTheDeedsUnownedAndTurnsPassThePlayerBy)
{
    addPlayer("Cy");
    give(1, 6);
    give(1, 8);
    give(1, 9);
    putUp(6, 1);
    state.Properties[8].Mortgaged = true;
    state.Players[1].Money = 10;
    landOn(1, 4);   // Income Tax, £200: 10 + 25 + 50 + 60 is not enough
    EXPECT_TRUE(logged("Bob (" + P + "10) Must Raise " + P + "190"));
    // The house is sold back first, in the log like any sale.
    EXPECT_TRUE(logged("Bob (" + P + "10) Sells a House on The Angel Islington  -->  " + P + "35"));
    EXPECT_TRUE(logged("Bob (" + P + "35) is Bankrupt to the Bank"));
    for (const int sq : {6, 8, 9}) {
        EXPECT_FALSE(state.Properties[sq].Owned) << sq;
        EXPECT_FALSE(state.Properties[sq].Mortgaged) << sq;
        EXPECT_TRUE(called("square:" + std::to_string(sq))) << sq;
        EXPECT_EQ(screen.squareShown[sq].owner, -1) << sq;
        EXPECT_FALSE(screen.squareShown[sq].mortgaged) << sq;
    }
    EXPECT_EQ(state.Buildings[6].Houses, 0);
    EXPECT_EQ(state.HousesLeft, 32);
    EXPECT_EQ(money(1), 0);
    EXPECT_EQ(state.Players[1].BankruptOrder, 1);
    EXPECT_EQ(state.CurrentPlayer, 2);   // Cy's turn
    // Cy's move ends: Ann's turn, not Bob's.
    landOn(2, 11 + 3);
    EXPECT_EQ(state.CurrentPlayer, 0);
    landOn(0, 13);
    EXPECT_EQ(state.CurrentPlayer, 2);
    EXPECT_EQ(engine.winner(), -1);
}

TEST_F(FullRules, APersonMayDeclareBankruptcyWhileRaisingMoney)
{
    giveGroup(0, 7);
    putUp(39, 4, true);
    give(1, 5);
    give(1, 15);
    give(1, 25);
    give(1, 35);
    state.Players[1].Money = 1700;
    landOn(1, 39, 5);
    ASSERT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    EXPECT_FALSE(engine.declareBankruptcy(0));   // not Ann's debt
    ASSERT_TRUE(engine.declareBankruptcy(1));
    EXPECT_TRUE(logged("Bob (" + P + "1700) is Bankrupt to Ann"));
    EXPECT_EQ(engine.winner(), 0);
}

TEST_F(FullRules, NoBalanceEverGoesBelowZero)
{
    landOn(0, 38);   // Super Tax with plenty
    EXPECT_EQ(money(0), 1400);
    state.Players[1].Money = 99;
    give(1, 5);
    landOn(1, 38);   // £100 with £99 and a station: mortgage it (Bob is a person)
    EXPECT_EQ(engine.phase(), Engine::Phase::RaisingMoney);
    EXPECT_EQ(money(1), 99);
    ASSERT_TRUE(engine.mortgage(1, 5));
    EXPECT_EQ(money(1), 99);
    EXPECT_TRUE(logged("Bob (" + P + "199) Pays " + P + "100 Super Tax  -->  " + P + "99"));
}

} // namespace
} // namespace tycora::testing
