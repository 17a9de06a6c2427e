// Renders contact sheets of the game's art into PNG files: the board ring
// at its window places with pieces, signs, houses and a banner laid over it,
// the card faces, and the small pictures enlarged and at their real size,
// each at device pixel ratio 1 and 2. A developer's tool for checking the
// drawings by eye.

#include "assets/art_catalog.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

using tycora::ui::Art;
using tycora::ui::px;
namespace art = tycora::art;

namespace {

QString outputDir;

QRect tileRect(int n)
{
    auto r = [](int l, int t, int w, int h) { return tycora::ui::rectFromTwips(l, t, w, h); };
    if (n == 0) return r(9615, 9630, 1155, 1155);
    if (n < 10) return r(9615 - 915 * n, 9630, 930, 1155);
    if (n == 10) return r(240, 9630, 1155, 1155);
    if (n < 20) return r(240, 9630 - 915 * (n - 10), 1155, 930);
    if (n == 20) return r(240, 255, 1155, 1155);
    if (n < 30) return r(1380 + 915 * (n - 21), 255, 930, 1155);
    if (n == 30) return r(9615, 255, 1155, 1155);
    return r(9615, 1395 + 915 * (n - 31), 1155, 930);
}

// Piece places, statistics and information hot-spots of the main window.
const int piecePlaces[40][2] = {
    {9705, 9720}, {8835, 10155}, {7920, 10155}, {7005, 10155}, {6090, 10155}, {5175, 10155}, {4275, 10155},
    {3345, 10155}, {2445, 10155}, {1515, 10155}, {240, 10335}, {345, 8955}, {345, 8055}, {345, 7095},
    {345, 6270}, {345, 5265}, {345, 4365}, {345, 3435}, {345, 2550}, {345, 1650}, {345, 435}, {1515, 435},
    {2430, 435}, {3345, 435}, {4215, 435}, {5175, 435}, {6060, 435}, {6990, 435}, {7905, 435}, {8790, 435},
    {10005, 435}, {10005, 1650}, {10005, 2580}, {10005, 3420}, {10005, 4380}, {10005, 5280}, {10005, 6225},
    {10005, 7170}, {10005, 8055}, {10005, 8985}};
const int statsPlaces[40][2] = {
    {10665, 10665}, {9135, 9390}, {8070, 9390}, {7350, 9390}, {6405, 9390}, {5505, 9390}, {4635, 9390},
    {3510, 9390}, {2820, 9390}, {1905, 9390}, {165, 10650}, {1425, 9180}, {1425, 8265}, {1425, 7350},
    {1425, 6435}, {1425, 5520}, {1425, 4605}, {1425, 3630}, {1425, 2775}, {1425, 1860}, {150, 165},
    {1635, 1440}, {2445, 1440}, {3450, 1440}, {4335, 1440}, {5280, 1440}, {6135, 1440}, {7095, 1440},
    {8025, 1440}, {8970, 1440}, {10650, 165}, {9375, 1575}, {9375, 2355}, {9375, 3660}, {9375, 4290},
    {9375, 5175}, {9375, 6150}, {9375, 6990}, {9375, 8115}, {9375, 8880}};
const std::vector<std::pair<int, std::pair<int, int>>> infoPlaces = {
    {1, {8940, 9390}}, {3, {7110, 9390}}, {5, {5280, 9390}}, {6, {4365, 9390}}, {8, {2535, 9390}},
    {9, {1620, 9390}}, {11, {1425, 8955}}, {12, {1425, 8040}}, {13, {1425, 7125}}, {14, {1425, 6210}},
    {15, {1425, 5295}}, {16, {1425, 4380}}, {18, {1425, 2550}}, {19, {1425, 1635}}, {21, {1860, 1440}},
    {23, {3690, 1440}}, {24, {4605, 1440}}, {25, {5520, 1440}}, {26, {6435, 1440}}, {27, {7350, 1440}},
    {28, {8265, 1440}}, {29, {9180, 1440}}, {31, {9375, 1785}}, {32, {9375, 2625}}, {34, {9375, 4515}},
    {35, {9375, 5445}}, {37, {9375, 7230}}, {39, {9375, 9195}}};

QRect at(int left, int top, int width, int height) { return tycora::ui::rectFromTwips(left, top, width, height); }

// A sheet painted at a device pixel ratio; logical coordinates throughout.
QImage sheet(QSize logical, qreal dpr, const std::function<void(QPainter &)> &paint)
{
    QImage image((QSizeF(logical) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(207, 236, 211));
    QPainter p(&image);
    paint(p);
    p.end();
    return image;
}

void save(const QImage &image, const QString &name)
{
    const QString path = outputDir + QLatin1Char('/') + name;
    image.save(path);
    std::printf("%s\n", qPrintable(path));
}

// A part of a 1x sheet blown up with hard pixel edges, to judge the real pixels.
QImage zoomed(const QImage &image, const QRect &part, int factor)
{
    const QImage piece = image.copy(part);
    QImage big = piece.scaled(piece.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    big.setDevicePixelRatio(1);
    return big;
}

void paintBoard(QPainter &p, bool overlays)
{
    for (int n = 0; n < 40; ++n)
        art::boardTile(n).paint(p, tileRect(n));
    art::logo().paint(p, at(2220, 4080, 6495, 1980));
    if (!overlays)
        return;
    for (int n = 0; n < 40; ++n)
        art::statsSign().paint(p, at(statsPlaces[n][0], statsPlaces[n][1], 210, 210));
    for (const auto &[n, place] : infoPlaces)
        art::infoSign().paint(p, at(place.first, place.second, 210, 210));
    // Pieces on a few squares of every side and on every corner.
    const int standing[] = {0, 1, 3, 5, 7, 10, 12, 14, 17, 20, 22, 25, 29, 30, 33, 36, 39};
    int k = 0;
    for (int n : standing)
        art::piece(k++ % 6 + 1).paint(p, at(piecePlaces[n][0], piecePlaces[n][1], 660, 450));
    // Four houses on Old Kent Road, a hotel and a banner on Whitechapel Road.
    for (int i = 0; i < 4; ++i)
        art::house().paint(p, at(8715 + 225 * i, 9750, 210, 210));
    art::hotel().paint(p, at(7230, 9750, 210, 210));
    art::mortgageBanner(false).paint(p, at(6885, 9645, 900, 105));
    art::mortgageBanner(true).paint(p, at(3105, 2745, 900, 105));
}

void boardSheets()
{
    const QSize size(736, 736);
    for (qreal dpr : {1.0, 2.0}) {
        const QString suffix = dpr == 1 ? QStringLiteral("1x") : QStringLiteral("2x");
        save(sheet(size, dpr, [](QPainter &p) { paintBoard(p, false); }), QStringLiteral("board-plain-%1.png").arg(suffix));
        save(sheet(size, dpr, [](QPainter &p) { paintBoard(p, true); }), QStringLiteral("board-%1.png").arg(suffix));
    }
    // Each side and its corners at real pixels, four times enlarged.
    for (bool overlays : {false, true}) {
        const QImage board = sheet(size, 1, [overlays](QPainter &p) { paintBoard(p, overlays); });
        const QString kind = overlays ? QStringLiteral("over") : QStringLiteral("plain");
        // Halves of each side, corners included, small enough to view whole.
        const QRect parts[] = {QRect(360, 630, 370, 100), QRect(6, 630, 370, 100), QRect(6, 6, 370, 100),
                               QRect(360, 6, 370, 100),   QRect(6, 360, 100, 370), QRect(6, 6, 100, 370),
                               QRect(630, 6, 100, 370),   QRect(630, 360, 100, 370)};
        const char *names[] = {"bottom-right", "bottom-left", "top-left", "top-right",
                               "left-low", "left-high", "right-high", "right-low"};
        for (int i = 0; i < 8; ++i)
            save(zoomed(board, parts[i], 4), QStringLiteral("zoom-%1-%2.png").arg(QLatin1String(names[i]), kind));
    }
}

void cardSheets()
{
    for (bool chance : {true, false}) {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage image = sheet(QSize(2 * 285 + 10, 7 * 150 + 10), dpr, [chance](QPainter &p) {
                for (int i = 0; i < 14; ++i) {
                    const Art &card = chance ? art::chanceCard(i + 1) : art::communityCard(i + 1);
                    card.paint(p, QRectF(10 + (i % 2) * 285, 10 + (i / 2) * 150, 275, 140));
                }
            });
            save(image, QStringLiteral("%1-%2x.png").arg(chance ? "chance" : "community").arg(int(dpr)));
        }
    }
}

struct Item {
    Art art;
    QSize size;
};

std::vector<Item> smallItems()
{
    std::vector<Item> items;
    for (int i = 1; i <= 6; ++i)
        items.push_back({art::piece(i), {44, 30}});
    for (int i = 1; i <= 6; ++i)
        items.push_back({art::colourSwatch(i), {44, 30}});
    items.push_back({art::playerType(1), {40, 50}});
    items.push_back({art::playerType(2), {40, 50}});
    items.push_back({art::playerType(1), {20, 25}});
    items.push_back({art::playerType(2), {20, 25}});
    items.push_back({art::infoSign(), {14, 14}});
    items.push_back({art::statsSign(), {14, 14}});
    items.push_back({art::house(), {14, 14}});
    items.push_back({art::hotel(), {14, 14}});
    for (int i = 1; i <= 9; ++i)
        items.push_back({art::miniDeed(i), {8, 10}});
    for (bool owned : {true, false}) {
        items.push_back({art::miniStation(owned), {26, 10}});
        items.push_back({art::miniElectric(owned), {13, 15}});
        items.push_back({art::miniWater(owned), {15, 12}});
    }
    items.push_back({art::mortgageBanner(false), {60, 7}});
    items.push_back({art::mortgageBanner(true), {60, 7}});
    for (int i = 1; i <= 9; ++i)
        items.push_back({art::mortgageCard(i), {27, 32}});
    return items;
}

// The small pictures in a flowing row layout at a given scale.
QImage smallSheet(qreal scale, qreal dpr)
{
    const std::vector<Item> items = smallItems();
    const int width = static_cast<int>(560 * scale / 2);
    const int height = static_cast<int>(300 * scale / 2);
    QImage image = sheet(QSize(width, height), dpr, [&](QPainter &p) {
        qreal x = 6 * scale, y = 6 * scale, rowHeight = 0;
        for (const Item &item : items) {
            const QSizeF s = QSizeF(item.size) * scale;
            if (x + s.width() > width - 4) {
                x = 6 * scale;
                y += rowHeight + 5 * scale;
                rowHeight = 0;
            }
            item.art.paint(p, QRectF(QPointF(x, y), s));
            x += s.width() + 5 * scale;
            rowHeight = std::max(rowHeight, s.height());
        }
    });
    return image;
}

void smallSheets()
{
    save(smallSheet(1, 1), QStringLiteral("small-1x.png"));
    save(smallSheet(1, 2), QStringLiteral("small-1x-dpr2.png"));
    save(smallSheet(4, 1), QStringLiteral("small-4x.png"));
    const QImage real = smallSheet(1, 1);
    save(zoomed(real, real.rect(), 4), QStringLiteral("small-1x-zoom4.png"));
    const QImage fine = smallSheet(1, 2);
    QImage fineCopy = fine;
    fineCopy.setDevicePixelRatio(1);
    save(zoomed(fineCopy, fineCopy.rect(), 2), QStringLiteral("small-dpr2-zoom2.png"));

    // Pieces on every kind of ground they may stand on.
    const QColor grounds[] = {QColor(207, 236, 211), QColor(141, 83, 14), QColor(16, 30, 66), QColor(255, 255, 0),
                              QColor(13, 82, 34), QColor(255, 192, 192), Qt::white};
    QImage pieces = sheet(QSize(7 * 50 + 6, 6 * 36 + 6), 1, [&](QPainter &p) {
        for (int g = 0; g < 7; ++g) {
            p.fillRect(QRect(3 + g * 50, 0, 50, 6 * 36 + 6), grounds[g]);
            for (int i = 0; i < 6; ++i)
                art::piece(i + 1).paint(p, QRectF(6 + g * 50, 6 + i * 36, 44, 30));
        }
    });
    save(zoomed(pieces, pieces.rect(), 3), QStringLiteral("pieces-grounds-zoom3.png"));
}

void logoSheets()
{
    for (qreal dpr : {1.0, 2.0}) {
        const QImage image = sheet(QSize(460, 260), dpr, [](QPainter &p) {
            art::logo().paint(p, QRectF(10, 10, 300, 92));
            art::logo().paint(p, QRectF(10, 115, 433, 132));
        });
        save(image, QStringLiteral("logo-%1x.png").arg(int(dpr)));
    }
    const QImage icons = sheet(QSize(560, 270), 1, [](QPainter &p) {
        qreal x = 8;
        for (int s : {16, 24, 32, 48, 64, 128, 256}) {
            art::appIcon().paint(p, QRectF(x, 8, s, s));
            x += s + 8;
        }
    });
    save(icons, QStringLiteral("icons.png"));
    save(zoomed(icons, QRect(0, 0, 150, 70), 4), QStringLiteral("icons-small-zoom4.png"));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tycora::ui::registerEmbeddedFonts();
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/art-preview");
    QDir().mkpath(outputDir);
    boardSheets();
    cardSheets();
    smallSheets();
    logoSheets();
    return 0;
}
