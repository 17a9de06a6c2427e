#include "game/board.h"
#include "game/rules.h"

#include <gtest/gtest.h>

namespace tycora {
namespace {

struct Row {
    int square;
    const char *name;
    char kind;   // s street, t station, u utility
    int group, price, mortgage, house, hotel, rent, r1, r2, r3, r4, rh;
};

// The printed title deeds, square by square.
constexpr Row Deeds[] = {
    {1, "Old Kent Road", 's', 0, 60, 30, 50, 50, 2, 10, 30, 90, 160, 250},
    {3, "Whitechapel Road", 's', 0, 60, 30, 50, 50, 4, 20, 60, 180, 320, 450},
    {5, "King's Cross Station", 't', 0, 200, 100, 0, 0, 0, 0, 0, 0, 0, 0},
    {6, "The Angel Islington", 's', 1, 100, 50, 50, 50, 6, 30, 90, 270, 400, 550},
    {8, "Euston Road", 's', 1, 100, 50, 50, 50, 6, 30, 90, 270, 400, 550},
    {9, "Pentonville Road", 's', 1, 120, 60, 50, 50, 8, 40, 100, 300, 450, 600},
    {11, "Pall Mall", 's', 2, 140, 70, 100, 100, 10, 50, 150, 450, 625, 750},
    {12, "Electric Company", 'u', 0, 150, 75, 0, 0, 0, 0, 0, 0, 0, 0},
    {13, "Whitehall", 's', 2, 140, 70, 100, 100, 10, 50, 150, 450, 625, 750},
    {14, "Northumberland Avenue", 's', 2, 160, 80, 100, 100, 12, 60, 180, 500, 700, 900},
    {15, "Marylebone Station", 't', 0, 200, 100, 0, 0, 0, 0, 0, 0, 0, 0},
    {16, "Bow Street", 's', 3, 180, 90, 100, 100, 14, 70, 200, 550, 750, 950},
    {18, "Marlborough Street", 's', 3, 180, 90, 100, 100, 14, 70, 200, 550, 750, 950},
    {19, "Vine Street", 's', 3, 200, 100, 100, 100, 16, 80, 220, 600, 800, 1000},
    {21, "Strand", 's', 4, 220, 110, 150, 150, 18, 90, 250, 700, 875, 1050},
    {23, "Fleet Street", 's', 4, 220, 110, 150, 150, 18, 90, 250, 700, 875, 1050},
    {24, "Trafalgar Square", 's', 4, 220, 110, 150, 150, 20, 100, 300, 750, 925, 1100},
    {25, "Fenchurch Street Station", 't', 0, 200, 100, 0, 0, 0, 0, 0, 0, 0, 0},
    {26, "Leicester Square", 's', 5, 260, 130, 150, 150, 22, 110, 330, 800, 975, 1150},
    {27, "Coventry Street", 's', 5, 260, 130, 150, 150, 22, 110, 330, 800, 975, 1150},
    {28, "Water Works", 'u', 0, 150, 75, 0, 0, 0, 0, 0, 0, 0, 0},
    {29, "Piccadilly", 's', 5, 280, 140, 150, 150, 24, 120, 360, 850, 1025, 1200},
    {31, "Regent Street", 's', 6, 300, 150, 200, 200, 26, 130, 390, 900, 1100, 1275},
    {32, "Oxford Street", 's', 6, 300, 150, 200, 200, 26, 130, 390, 900, 1100, 1275},
    {34, "Bond Street", 's', 6, 320, 160, 200, 200, 28, 150, 450, 1000, 1200, 1400},
    {35, "Liverpool Street Station", 't', 0, 200, 100, 0, 0, 0, 0, 0, 0, 0, 0},
    {37, "Park Lane", 's', 7, 350, 175, 200, 200, 35, 175, 500, 1100, 1300, 1500},
    {39, "Mayfair", 's', 7, 400, 200, 200, 200, 50, 200, 600, 1400, 1700, 2000},
};

TEST(Board, EveryTitleDeedMatchesThePrintedCard)
{
    GameState s;
    loadBoard(s);
    for (const Row &r : Deeds) {
        SCOPED_TRACE(r.name);
        const SquareInfo &p = squareInfo(r.square);
        EXPECT_EQ(p.name, r.name);
        EXPECT_EQ(p.kind == SquareKind::Station, r.kind == 't');
        EXPECT_EQ(p.kind == SquareKind::Utility, r.kind == 'u');
        EXPECT_EQ(p.group, r.kind == 's' ? r.group : -1);
        EXPECT_EQ(p.price, r.price);
        EXPECT_EQ(p.mortgageValue, r.mortgage);
        EXPECT_EQ(p.mortgageValue * 2, p.price);
        EXPECT_EQ(p.houseCost, r.house);
        EXPECT_EQ(p.hotelCost, r.hotel);
        EXPECT_EQ(p.rents.bare, r.rent);
        EXPECT_EQ(p.rents.oneHouse, r.r1);
        EXPECT_EQ(p.rents.twoHouses, r.r2);
        EXPECT_EQ(p.rents.threeHouses, r.r3);
        EXPECT_EQ(p.rents.fourHouses, r.r4);
        EXPECT_EQ(p.rents.hotel, r.rh);
        // A street's current rent starts at its bare-site rent.
        EXPECT_EQ(s.SquareStats[r.square].CurrentRent, r.kind == 's' ? r.rent : 0);
        EXPECT_TRUE(isOwnable(r.square));
    }
}

TEST(Board, SquaresWithoutDeedStayEmpty)
{
    GameState s;
    loadBoard(s);
    for (int sq : {0, 2, 4, 7, 10, 17, 20, 22, 30, 33, 36, 38}) {
        SCOPED_TRACE(sq);
        const SquareInfo &p = squareInfo(sq);
        EXPECT_TRUE(p.name.empty());
        EXPECT_EQ(p.price, 0);
        EXPECT_EQ(p.rents.bare, 0);
        EXPECT_EQ(p.mortgageValue, 0);
        EXPECT_EQ(s.SquareStats[sq].CurrentRent, 0);
        EXPECT_FALSE(isOwnable(sq));
    }
    EXPECT_EQ(ownableSquares().size(), 28u);
}

TEST(Board, LoadingAgainKeepsOwnershipAndBuildings)
{
    GameState s;
    loadBoard(s);
    s.Properties[1].Owned = true;
    s.Properties[1].Owner = 2;
    s.Buildings[1].Houses = 1;
    s.SquareStats[1].TotalRent = 40;
    loadBoard(s);
    EXPECT_TRUE(s.Properties[1].Owned);
    EXPECT_EQ(s.Properties[1].Owner, 2);
    EXPECT_EQ(s.Buildings[1].Houses, 1);
    EXPECT_EQ(s.SquareStats[1].TotalRent, 40);
}

TEST(Board, StationsAndUtilitiesShareGroupNumberZeroButNotTheBrownGroup)
{
    GameState s;
    loadBoard(s);
    for (int sq : {5, 12, 15, 25, 28, 35}) {
        s.Properties[sq].Owned = true;
        s.Properties[sq].Owner = 0;
    }
    // Player 0 holds every station and utility, but not the brown streets.
    EXPECT_FALSE(ownsColourGroup(s, 0, 1));
    EXPECT_FALSE(ownsColourGroup(s, 0, 5));
    EXPECT_FALSE(ownsAnyColourGroup(s, 0));
    // At game start nobody owns anything, although every Owner field says 0.
    GameState fresh;
    loadBoard(fresh);
    EXPECT_FALSE(ownsAnyColourGroup(fresh, 0));
}

TEST(Board, GroupsInBoardOrder)
{
    const std::vector<std::vector<int>> expected{{1, 3},       {6, 8, 9},    {11, 13, 14}, {16, 18, 19},
                                                 {21, 23, 24}, {26, 27, 29}, {31, 32, 34}, {37, 39}};
    for (int g = 0; g < GroupCount; ++g) {
        const auto squares = groupSquares(g);
        EXPECT_EQ(std::vector<int>(squares.begin(), squares.end()), expected[g]);
    }
    EXPECT_TRUE(groupSquares(8).empty());
    EXPECT_TRUE(groupSquares(-1).empty());
}

} // namespace
} // namespace tycora
