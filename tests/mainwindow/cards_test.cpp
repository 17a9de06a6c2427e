// The deed card and the statistics card: the figures they show, for
// streets, stations, utilities and squares without a deed.

#include "main_window_support.h"

#include "ui/main/player_colours.h"
#include "ui/main/stats_card.h"

namespace tycora::testing {
namespace {

class Cards : public MainWindowTest {
protected:
    void landed(int square, int times, int totalRent)
    {
        state.SquareStats[square].Landed = static_cast<Integer>(times);
        state.SquareStats[square].TotalRent = static_cast<Integer>(totalRent);
    }
};

TEST(AveragePayment, RoundsHalfToEvenAndNeedsMoreRentThanLandings)
{
    EXPECT_EQ(ui::averagePayment(4, 3), 1);
    EXPECT_EQ(ui::averagePayment(5, 2), 2);
    EXPECT_EQ(ui::averagePayment(7, 2), 4);
    EXPECT_EQ(ui::averagePayment(3, 3), 0);
    EXPECT_EQ(ui::averagePayment(0, 2), 0);
    EXPECT_EQ(ui::averagePayment(0, 0), 0);
    EXPECT_EQ(ui::averagePayment(50, 0), 0) << "never landed on, never divided by zero";
    EXPECT_EQ(ui::averagePayment(5, 3), 2);
    EXPECT_EQ(ui::averagePayment(32767, 2), 16384);
    EXPECT_EQ(ui::averagePayment(-40, 2), 0);
}

TEST_F(Cards, StreetDeedShowsTheTitleDeed)
{
    screen().showPropertyCard(39);
    EXPECT_EQ(label("lblWhere")->text(), "Mayfair");
    EXPECT_EQ(shape("shpTitle")->backColour(), ui::GroupColour(7));
    EXPECT_EQ(label("lblRent")->text(), "£50");
    EXPECT_EQ(label("lblRent1House")->text(), "£200");
    EXPECT_EQ(label("lblRent2Houses")->text(), "£600");
    EXPECT_EQ(label("lblRent3Houses")->text(), "£1400");
    EXPECT_EQ(label("lblRent4Houses")->text(), "£1700");
    EXPECT_EQ(label("lblRentHotel")->text(), "£2000");
    EXPECT_EQ(label("lblHouse")->text(), "£200");
    EXPECT_EQ(label("lblHotel")->text(), "£200");
    EXPECT_EQ(label("lblMorgage")->text(), "£200");
    EXPECT_EQ(label("lblDescRent1House")->text(), "With 1 House");
    EXPECT_EQ(label("lblDescRentHotel")->text(), "With a Hotel");
    EXPECT_FALSE(label("lblDescHouse")->isHidden());
}

TEST_F(Cards, StationsAndUtilitiesHaveTheirOwnDeeds)
{
    screen().showPropertyCard(39);
    screen().showPropertyCard(5);
    EXPECT_EQ(label("lblWhere")->text(), "King's Cross Station") << "not the card shown before";
    EXPECT_EQ(label("lblRent")->text(), "£25");
    EXPECT_EQ(label("lblDescRent1House")->text(), "With 2 Stations");
    EXPECT_EQ(label("lblRent1House")->text(), "£50");
    EXPECT_EQ(label("lblDescRent2Houses")->text(), "With 3 Stations");
    EXPECT_EQ(label("lblRent2Houses")->text(), "£100");
    EXPECT_EQ(label("lblDescRent3Houses")->text(), "With 4 Stations");
    EXPECT_EQ(label("lblRent3Houses")->text(), "£200");
    EXPECT_TRUE(label("lblRent4Houses")->isHidden());
    EXPECT_TRUE(label("lblDescHouse")->isHidden());
    EXPECT_EQ(label("lblMorgage")->text(), "£100");

    screen().showPropertyCard(12);
    EXPECT_EQ(label("lblWhere")->text(), "Electric Company");
    EXPECT_EQ(label("lblRent")->text(), "4 x dice");
    EXPECT_EQ(label("lblDescRent1House")->text(), "With both Utilities");
    EXPECT_EQ(label("lblRent1House")->text(), "10 x dice");
    EXPECT_TRUE(label("lblRent2Houses")->isHidden());
    EXPECT_EQ(label("lblMorgage")->text(), "£75");

    // Back to a street, every row returns.
    screen().showPropertyCard(1);
    EXPECT_EQ(label("lblDescRent1House")->text(), "With 1 House");
    EXPECT_FALSE(label("lblRent4Houses")->isHidden());
    EXPECT_FALSE(label("lblDescHouse")->isHidden());
    EXPECT_EQ(label("lblRent")->text(), "£2");
}

TEST_F(Cards, StatisticsOfAStreet)
{
    landed(1, 3, 4);
    screen().showStatsCard(1);
    EXPECT_EQ(label("lblStatsWhere")->text(), "Old Kent Road");
    EXPECT_EQ(shape("shpStatsTitle")->backColour(), ui::GroupColour(0));
    EXPECT_EQ(label("lblStatsLanded")->text(), "3");
    EXPECT_EQ(label("lblStatsTotal")->text(), "£4");
    EXPECT_EQ(label("lblStatsCurrent")->text(), "£2");
    EXPECT_EQ(label("lblStatsAverage")->text(), "£1");

    landed(3, 2, 0);
    screen().showStatsCard(3);
    EXPECT_EQ(label("lblStatsAverage")->text(), "£0");
    screen().showStatsCard(6);
    EXPECT_EQ(label("lblStatsLanded")->text(), "0");
    EXPECT_EQ(label("lblStatsTotal")->text(), "£0");
    landed(8, 2, 5);
    screen().showStatsCard(8);
    EXPECT_EQ(label("lblStatsAverage")->text(), "£2");
    landed(9, 2, 7);
    screen().showStatsCard(9);
    EXPECT_EQ(label("lblStatsAverage")->text(), "£4");
}

TEST_F(Cards, StatisticsOfSquaresWithoutADeed)
{
    landed(7, 5, 0);
    screen().showStatsCard(7);
    EXPECT_EQ(label("lblStatsWhere")->text(), "");
    EXPECT_EQ(shape("shpStatsTitle")->backColour(), ui::GroupColour(0));
    EXPECT_EQ(label("lblStatsCurrent")->text(), "£0");
    EXPECT_EQ(label("lblStatsTotal")->text(), "£0");
    EXPECT_EQ(label("lblStatsLanded")->text(), "5");
}

TEST_F(Cards, StatisticsOfStationsAndUtilitiesShowTheirRealRent)
{
    landed(15, 2, 50);
    screen().showStatsCard(15);
    EXPECT_EQ(label("lblStatsWhere")->text(), "Marylebone Station");
    EXPECT_EQ(label("lblStatsCurrent")->text(), "£25");
    EXPECT_EQ(label("lblStatsAverage")->text(), "£25");

    for (int s : {5, 15, 25}) {
        state.Properties[s].Owned = true;
        state.Properties[s].Owner = 1;
    }
    screen().showStatsCard(15);
    EXPECT_EQ(label("lblStatsCurrent")->text(), "£100") << "three stations held";

    screen().showStatsCard(28);
    EXPECT_EQ(label("lblStatsWhere")->text(), "Water Works");
    EXPECT_EQ(label("lblStatsCurrent")->text(), "4 x dice");
    for (int s : {12, 28}) {
        state.Properties[s].Owned = true;
        state.Properties[s].Owner = 0;
    }
    screen().showStatsCard(28);
    EXPECT_EQ(label("lblStatsCurrent")->text(), "10 x dice");
}

TEST_F(Cards, OutOfRangeSquaresChangeNothing)
{
    screen().showPropertyCard(39);
    screen().showStatsCard(1);
    screen().showPropertyCard(-1);
    screen().showPropertyCard(40);
    screen().showStatsCard(40);
    EXPECT_EQ(label("lblWhere")->text(), "Mayfair");
    EXPECT_EQ(label("lblStatsWhere")->text(), "Old Kent Road");
}

} // namespace
} // namespace tycora::testing
