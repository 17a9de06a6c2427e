// The deed card and the statistics card: the figures they show, for
// streets, stations, utilities and squares without a deed.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/player_colours.h"
#include "ui/main/stats_card.h"

#include <initializer_list>
#include <utility>

namespace tycora::testing {
namespace {

class Cards : public MainWindowTest {
protected:
    void landed(int square, int times, int totalRent)
    {
        state.SquareStats[square].Landed = static_cast<Integer>(times);
        state.SquareStats[square].TotalRent = static_cast<Integer>(totalRent);
    }

    // Every named label says what it should.
    void expectCaptions(std::initializer_list<std::pair<const char *, const char *>> captions)
    {
        for (const auto &[name, caption] : captions)
            EXPECT_EQ(label(name)->text(), QString::fromUtf8(caption)) << name;
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
    EXPECT_EQ(shape("shpTitle")->backColour(), ui::GroupColour(7));
    expectCaptions({{"lblWhere", "Mayfair"}, {"lblRent", "£50"}, {"lblRent1House", "£200"},
                    {"lblRent2Houses", "£600"}, {"lblRent3Houses", "£1400"}, {"lblRent4Houses", "£1700"},
                    {"lblRentHotel", "£2000"}, {"lblHouse", "£200"}, {"lblHotel", "£200"}, {"lblMorgage", "£200"},
                    {"lblDescRent1House", "With 1 House"}, {"lblDescRentHotel", "With a Hotel"}});
    EXPECT_FALSE(label("lblDescHouse")->isHidden());
}

TEST_F(Cards, StationsAndUtilitiesHaveTheirOwnDeeds)
{
    screen().showPropertyCard(39);
    screen().showPropertyCard(5);
    EXPECT_EQ(label("lblWhere")->text(), "King's Cross Station") << "not the card shown before";
    expectCaptions({{"lblRent", "£25"}, {"lblDescRent1House", "With 2 Stations"}, {"lblRent1House", "£50"},
                    {"lblDescRent2Houses", "With 3 Stations"}, {"lblRent2Houses", "£100"},
                    {"lblDescRent3Houses", "With 4 Stations"}, {"lblRent3Houses", "£200"}, {"lblMorgage", "£100"}});
    EXPECT_TRUE(label("lblRent4Houses")->isHidden());
    EXPECT_TRUE(label("lblDescHouse")->isHidden());

    screen().showPropertyCard(12);
    expectCaptions({{"lblWhere", "Electric Company"}, {"lblRent", "4 x dice"},
                    {"lblDescRent1House", "With both Utilities"}, {"lblRent1House", "10 x dice"},
                    {"lblMorgage", "£75"}});
    EXPECT_TRUE(label("lblRent2Houses")->isHidden());

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
    EXPECT_EQ(shape("shpStatsTitle")->backColour(), ui::GroupColour(0));
    expectCaptions({{"lblStatsWhere", "Old Kent Road"}, {"lblStatsLanded", "3"}, {"lblStatsTotal", "£4"},
                    {"lblStatsCurrent", "£2"}, {"lblStatsAverage", "£1"}});

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

TEST_F(Cards, StatisticsOfSquaresWithoutADeedAreTitledWithWhatTheSquareIs)
{
    landed(7, 5, 0);
    screen().showStatsCard(7);
    EXPECT_EQ(shape("shpStatsTitle")->backColour(), ui::GroupColour(0));
    expectCaptions({{"lblStatsWhere", "Chance"}, {"lblStatsCurrent", "£0"}, {"lblStatsTotal", "£0"}, {"lblStatsLanded", "5"}});
    const std::pair<int, const char *> titles[] = {{0, "GO"},           {2, "Community Chest"}, {4, "Income Tax"},
                                                   {10, "Jail"},        {20, "Free Parking"},   {30, "Go To Jail"},
                                                   {38, "Super Tax"}};
    for (const auto &[square, title] : titles) {
        screen().showStatsCard(square);
        EXPECT_EQ(label("lblStatsWhere")->text(), title);
        EXPECT_EQ(shape("shpStatsTitle")->backColour(), ui::GroupColour(0)) << title;
    }
    // The deed card of such a square stays an empty street deed.
    screen().showPropertyCard(7);
    EXPECT_EQ(label("lblWhere")->text(), "");
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

namespace tycora::testing {
namespace {

// The lowest row of a grab inside a rectangle that has ink (a dark pixel):
// the baseline of text without descenders.
int lowestInk(const QImage &shot, const QRect &area)
{
    for (int y = area.bottom(); y >= area.top(); --y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pixelAt(shot, x, y).lightness() < 128)
                return y;
    return -1;
}

TEST_F(Cards, FiguresStandOnTheBaselineOfTheirCaptions)
{
    form->show();
    // Each caption's first letter and each figure have no descenders: their
    // lowest ink is the baseline.
    const auto expectBaselines = [this](ui::Frame *card, std::initializer_list<std::pair<const char *, const char *>> rows) {
        card->show();
        card->raise();
        const QImage shot = grabImage(*card);
        for (const auto &[captionName, figureName] : rows) {
            const ui::Label *caption = label(captionName);
            const ui::Label *figure = label(figureName);
            if (figure->isHidden())
                continue;
            const int letter = caption->fontMetrics().horizontalAdvance(caption->text().left(1));
            EXPECT_EQ(lowestInk(shot, figure->geometry()), lowestInk(shot, QRect(caption->pos(), QSize(letter, caption->height()))))
                << figureName << " of " << label("lblWhere")->text().toStdString();
        }
        card->hide();
    };
    for (const int square : {39, 5, 12}) {
        screen().showPropertyCard(square);
        expectBaselines(frame("frmProperty"), {{"lblTitleRent", "lblRent"}, {"lblDescRent1House", "lblRent1House"},
                                               {"lblDescRent4Houses", "lblRent4Houses"}, {"lblDescHouse", "lblHouse"},
                                               {"lblDescHotel", "lblHotel"}, {"lblDescMorgage", "lblMorgage"}});
    }
    landed(1, 3, 4);
    screen().showStatsCard(1);
    expectBaselines(frame("frmStats"), {{"lblStatsDescLanded", "lblStatsLanded"}, {"lblStatsDescAverage", "lblStatsAverage"}});
}

} // namespace
} // namespace tycora::testing
