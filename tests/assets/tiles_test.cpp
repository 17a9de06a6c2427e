// The board squares as a player reads them: names from the board table in
// capitals, large enough to read at the board's own size, clear of the
// squares' lines, and the same on every side of the board.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/board_parts.h"
#include "game/square_table.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace tycora::art {
namespace {

using board::sideName;

QString titleOf(int square)
{
    const std::string_view title = squareInfo(square).title;
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

bool isSide(int square) { return square % 10 != 0; }
bool isStreet(int square) { return squareInfo(square).kind == SquareKind::Street; }

// A square drawn as the board draws it, at its size there (one canvas unit
// a pixel): side squares upright, 62 x 77, corners 77 x 77.
QImage drawn(int square)
{
    const bool side = square % 10 != 0;
    QImage image(side ? QSize(62, 77) : QSize(77, 77), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (side)
        board::paintSide(p, square);
    else
        board::paintCorner(p, square);
    return image;
}
QImage upright(int square) { return drawn(square); }

bool isInk(QRgb pixel) { return qGray(pixel) < 150; }

// Rows y0..y1 that hold ink, between columns x0..x1.
std::vector<int> inkRows(const QImage &image, int y0, int y1, int x0 = 2, int x1 = 59)
{
    std::vector<int> rows;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (isInk(image.pixel(x, y))) {
                rows.push_back(y);
                break;
            }
    return rows;
}

// The pixels just inside a square's outline that must show the plain
// ground, columns deep at the sides and one row deep at the ends: print and
// pictures keep off the lines.
std::vector<QPoint> innerRing(QSize size, int firstRow, int columns)
{
    std::vector<QPoint> ring;
    for (int d = 1; d <= columns; ++d) {
        for (int y = firstRow; y <= size.height() - 2; ++y) {
            ring.emplace_back(d, y);
            ring.emplace_back(size.width() - 1 - d, y);
        }
    }
    for (int x = 1; x <= size.width() - 2; ++x) {
        ring.emplace_back(x, firstRow);
        ring.emplace_back(x, size.height() - 2);
    }
    return ring;
}

TEST(BoardTiles, NamesAreTheBoardTablesInCapitalsWrappedToFit)
{
    const std::map<int, QStringList> expected{
        {1, {"OLD KENT", "ROAD"}},
        {2, {"COMMUNITY", "CHEST"}},
        {4, {"INCOME", "TAX"}},
        {5, {"KING'S", "CROSS", "STATION"}},
        {7, {"CHANCE"}},
        {11, {"PALL MALL"}},
        {14, {"NORTHUMBERLAND", "AVENUE"}},
        {25, {"FENCHURCH", "STREET", "STATION"}},
        {28, {"WATER", "WORKS"}},
        {38, {"SUPER", "TAX"}},
        {39, {"MAYFAIR"}},
    };
    for (const auto &[square, lines] : expected)
        EXPECT_EQ(sideName(square).lines, lines) << square;
    for (int square = 1; square < BoardSize; ++square) {
        if (isSide(square)) {
            EXPECT_EQ(sideName(square).lines.join(QLatin1Char(' ')), titleOf(square).toUpper()) << square;
        }
    }
}

TEST(BoardTiles, NamesAreLargeEnoughToReadAtTheBoardsSize)
{
    int full = 0, sides = 0;
    for (int square = 1; square < BoardSize; ++square) {
        if (!isSide(square))
            continue;
        ++sides;
        const double cap = sideName(square).capHeight;
        EXPECT_GE(cap, 7.0) << square;
        full += cap >= 7.9 ? 1 : 0;

        // The first line's ink is as tall as that, in real pixels.
        const QImage image = upright(square);
        const int top = isStreet(square) ? 23 : 9;
        const std::vector<int> rows = inkRows(image, top, top + 12);
        ASSERT_FALSE(rows.empty()) << square << " shows no name";
        int run = 1;
        while (run < static_cast<int>(rows.size()) && rows[run] == rows[0] + run)
            ++run;
        EXPECT_GE(run, 7) << "first line of " << square << " is " << run << " pixels high";
    }
    EXPECT_GE(full, sides - 4) << "most names at the full size";
}

TEST(BoardTiles, StreetNamesStartBelowTheHouses)
{
    // A house or hotel stands on the colour strip's rule and reaches down
    // to row 22 of the square (330 of its 1155 twips): a name above that
    // would be half covered once the street is built on.
    constexpr int BuildingsBottom = 22;
    for (int square = 1; square < BoardSize; ++square) {
        if (!isSide(square) || !isStreet(square))
            continue;
        const std::vector<int> rows = inkRows(upright(square), 19, 45);
        ASSERT_FALSE(rows.empty()) << square;
        EXPECT_GT(rows.front(), BuildingsBottom) << square;
    }
}

TEST(BoardTiles, PricesAndTaxesArePrintedAtTheOuterEdge)
{
    // The bottom line of a square that has a price or a tax carries print
    // of a full line's height.
    for (int square = 1; square < BoardSize; ++square) {
        const SquareInfo &info = squareInfo(square);
        if (!isSide(square) || !(info.ownable() || info.kind == SquareKind::Tax))
            continue;
        EXPECT_GE(inkRows(upright(square), 66, 74).size(), 7u) << square;
    }
}

TEST(BoardTiles, PrintKeepsClearOfTheSquaresLines)
{
    const QColor ground = kit::boardGreen();
    const auto plain = [&](QRgb pixel) {
        const QColor c = QColor::fromRgba(pixel);
        return std::abs(c.red() - ground.red()) < 10 && std::abs(c.green() - ground.green()) < 10 &&
               std::abs(c.blue() - ground.blue()) < 10;
    };
    // Pictures drawn against a corner's edges by design: the jail cell in
    // the inner corner and the GO arrow along the outer edge.
    const std::map<int, QRect> pictures{{10, QRect(25, 0, 52, 47)}, {0, QRect(0, 47, 70, 30)}};
    for (int square = 0; square < BoardSize; ++square) {
        const QImage image = drawn(square);
        // Streets: from just under the colour strip's rule. Side by side,
        // a side square's print keeps two pixels off the line it shares
        // with its neighbour.
        const int firstRow = isSide(square) && isStreet(square) ? 19 : 1;
        std::vector<QPoint> touching;
        for (const QPoint &at : innerRing(image.size(), firstRow, isSide(square) ? 2 : 1)) {
            const auto picture = pictures.find(square);
            if (picture != pictures.end() && picture->second.contains(at))
                continue;
            if (!plain(image.pixel(at)))
                touching.push_back(at);
        }
        EXPECT_TRUE(touching.empty()) << "square " << square << " touches its line at " << touching.front().x() << ","
                                      << touching.front().y();
    }
}

TEST(BoardTiles, StripsInTheColourGroupsColours)
{
    for (int square = 1; square < BoardSize; ++square) {
        if (!isStreet(square))
            continue;
        const QColor strip = upright(square).pixelColor(31, 9);
        const QColor group = kit::groupColour(squareInfo(square).group);
        EXPECT_NEAR(strip.red(), group.red(), 30) << square;
        EXPECT_NEAR(strip.green(), group.green(), 30) << square;
        EXPECT_NEAR(strip.blue(), group.blue(), 30) << square;
    }
}

TEST(BoardTiles, EverySideShowsTheSameSquareTurnedToFaceTheMiddle)
{
    // Left column a quarter turn clockwise, top row upside down, right
    // column a quarter turn anticlockwise.
    const struct {
        int square;
        int degrees;
    } turned[] = {{1, 0}, {14, 90}, {25, 180}, {35, 270}};
    for (const auto &t : turned) {
        const QImage flat = upright(t.square);
        const QImage expected = flat.transformed(QTransform().rotate(t.degrees));
        const QImage tile = boardTile(t.square).image(expected.size()).convertToFormat(flat.format());
        ASSERT_EQ(tile.size(), expected.size()) << t.square;
        int different = 0;
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x) {
                const QColor a = tile.pixelColor(x, y), b = expected.pixelColor(x, y);
                different += std::abs(qGray(a.rgb()) - qGray(b.rgb())) > 40 ? 1 : 0;
            }
        EXPECT_LT(different, tile.width() * tile.height() / 100) << t.square;
    }
}

} // namespace
} // namespace tycora::art
