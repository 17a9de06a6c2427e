// The game's pictures: every one exists at its size, draws something, and
// the picture lists hold them in the order and under the keys the windows
// look up.

#include "assets/art_catalog.h"
#include "assets/game_pictures.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace tycora::art {
namespace {

// Share of the picture's pixels that are not fully transparent.
double coverage(const Art &art)
{
    const QImage image = art.image(art.size()).convertToFormat(QImage::Format_ARGB32);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(drawn) / (image.width() * image.height());
}

QColor cornerColour(const Art &art)
{
    const QImage image = art.image(art.size());
    return image.pixelColor(image.width() / 30 + 3, image.height() / 2).toRgb();
}

void expectPicture(const Art &art, QSize size, const std::string &what)
{
    ASSERT_FALSE(art.isNull()) << what;
    EXPECT_EQ(art.size(), size) << what;
    EXPECT_GT(coverage(art), 0.05) << what << " draws next to nothing";
}

TEST(Art, BoardTilesLogoAndSigns)
{
    for (int n = 0; n < 40; ++n) {
        const bool corner = n % 10 == 0;
        const bool across = (n > 10 && n < 20) || n > 30;
        const QSize size = corner ? QSize(75, 75) : across ? QSize(75, 60) : QSize(60, 75);
        expectPicture(boardTile(n), size, "tile " + std::to_string(n));
        EXPECT_GT(coverage(boardTile(n)), 0.99) << "tiles are opaque " << n;
    }
    EXPECT_TRUE(boardTile(40).isNull());
    EXPECT_TRUE(boardTile(-1).isNull());
    expectPicture(logo(), {300, 92}, "logo");
    expectPicture(infoSign(), {14, 14}, "info sign");
    expectPicture(statsSign(), {14, 14}, "stats sign");
    expectPicture(house(), {14, 14}, "house");
    expectPicture(hotel(), {14, 14}, "hotel");
    expectPicture(mortgageBanner(true), {60, 7}, "banner top");
    expectPicture(mortgageBanner(false), {60, 7}, "banner bottom");
    EXPECT_FALSE(mortgageBanner(true) == mortgageBanner(false));
    // The signs are a blue and a red disc.
    const QImage info = infoSign().image({14, 14});
    const QImage stats = statsSign().image({14, 14});
    EXPECT_GT(info.pixelColor(2, 7).blue(), info.pixelColor(2, 7).red());
    EXPECT_GT(stats.pixelColor(2, 7).red(), stats.pixelColor(2, 7).blue());
}

TEST(Art, PlayersPiecesColoursAndTypes)
{
    QSet<QString> names;
    for (int i = 1; i <= 6; ++i) {
        expectPicture(piece(i), {44, 30}, "piece " + std::to_string(i));
        expectPicture(colourSwatch(i), {44, 30}, "swatch " + std::to_string(i));
        names << piece(i).name();
    }
    EXPECT_EQ(names.size(), 6) << "six different pieces";
    EXPECT_TRUE(piece(7).isNull());
    expectPicture(playerType(1), {40, 50}, "human");
    expectPicture(playerType(2), {40, 50}, "computer");
    EXPECT_EQ(appIcon().size().width(), appIcon().size().height());
}

TEST(Art, MinisAndMortgageCards)
{
    for (int i = 1; i <= 9; ++i) {
        expectPicture(miniDeed(i), {8, 10}, "mini " + std::to_string(i));
        expectPicture(mortgageCard(i), {27, 32}, "mortgage card " + std::to_string(i));
    }
    expectPicture(miniStation(true), {26, 10}, "station owned");
    expectPicture(miniStation(false), {26, 10}, "station empty");
    expectPicture(miniElectric(true), {13, 15}, "electric owned");
    expectPicture(miniWater(false), {15, 12}, "water empty");
    EXPECT_FALSE(miniWater(true) == miniWater(false));
}

TEST(Art, CardFacesOnTheirDecksGrounds)
{
    for (int i = 1; i <= 14; ++i) {
        expectPicture(chanceCard(i), {275, 140}, "chance " + std::to_string(i));
        expectPicture(communityCard(i), {275, 140}, "community " + std::to_string(i));
        const QColor salmon = cornerColour(chanceCard(i));
        const QColor paleYellow = cornerColour(communityCard(i));
        EXPECT_GT(salmon.red(), 200) << i;
        EXPECT_LT(salmon.blue(), salmon.red() - 40) << "salmon pink " << i;
        EXPECT_GT(paleYellow.red(), 200) << i;
        EXPECT_GT(paleYellow.green(), 200) << "pale yellow " << i;
        EXPECT_LT(paleYellow.blue(), paleYellow.green()) << i;
    }
    EXPECT_TRUE(chanceCard(15).isNull());
    EXPECT_TRUE(communityCard(0).isNull());
}

TEST(PictureLists, OrderAndKeysAsTheWindowsLookThemUp)
{
    const GamePictures &lists = GamePictures::instance();
    EXPECT_EQ(lists.imgsChance.count(), 14);
    EXPECT_EQ(lists.imgsCommunity.count(), 14);
    EXPECT_EQ(lists.imgsChance.picture(4), chanceCard(4));
    EXPECT_EQ(lists.imgsCommunity.picture(1), communityCard(1));
    const QStringList pieces{"Dog ", "Car ", "Battleship", "Hat", "Shoe", "Wheelbarrow"};
    const QStringList colours{"Red", "Blue", "Green", "Yellow", "Orange", "Purple"};
    ASSERT_EQ(lists.imgsPieces.count(), 6);
    ASSERT_EQ(lists.imgsColours.count(), 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(lists.imgsPieces.key(i), pieces[i - 1]);
        EXPECT_EQ(lists.imgsPieces.picture(i), piece(i));
        EXPECT_EQ(lists.imgsColours.key(i), colours[i - 1]);
    }
    EXPECT_EQ(lists.imgsPieces.indexOf("Dog"), 0) << "the blank is part of the key";
    EXPECT_EQ(lists.imgsType.key(1), "Human");
    EXPECT_EQ(lists.imgsType.key(2), "Computer");
    EXPECT_EQ(lists.imgsMinis.count(), 9);
    EXPECT_EQ(lists.imgsMortgage.count(), 9);
    EXPECT_TRUE(lists.imgsMinis.picture(10).isNull());
}

TEST(Art, SamePictureOnEveryCall)
{
    EXPECT_EQ(boardTile(5), boardTile(5));
    EXPECT_EQ(logo(), logo());
    EXPECT_EQ(piece(3), piece(3));
    EXPECT_FALSE(boardTile(5) == boardTile(6));
}

} // namespace
} // namespace tycora::art
