// Stand-in pictures: a labelled box of the right size for each picture, so
// the windows can be built before the real art lands. Replaced by the real
// drawings.

#include "assets/art_catalog.h"

#include <QPainter>

#include <map>
#include <utility>

namespace tycora::art {

namespace {

const Art &box(const QString &name, QSize size, QColor colour)
{
    static std::map<QString, Art> made;
    auto it = made.find(name);
    if (it == made.end()) {
        Art art(name, size, [name, colour](QPainter &p, const QRectF &r) {
            p.fillRect(r, colour);
            p.setPen(Qt::black);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            QFont f = p.font();
            f.setPixelSize(std::max(4, static_cast<int>(r.height() / 4)));
            p.setFont(f);
            p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, name.section(':', 1));
        });
        it = made.emplace(name, art).first;
    }
    return it->second;
}

const Art &none()
{
    static const Art null;
    return null;
}

bool inRange(int n, int lo, int hi) { return n >= lo && n <= hi; }

} // namespace

const Art &boardTile(int square)
{
    if (!inRange(square, 0, 39))
        return none();
    const bool corner = square % 10 == 0;
    const bool sideways = (square > 10 && square < 20) || (square > 30);
    const QSize size = corner ? QSize(77, 77) : (sideways ? QSize(77, 62) : QSize(62, 77));
    return box(QStringLiteral("tile:%1").arg(square), size, QColor(230, 245, 232));
}

const Art &logo() { return box("logo:Tycora", {300, 92}, QColor(255, 240, 200)); }
const Art &piece(int n) { return inRange(n, 1, 6) ? box(QStringLiteral("piece:%1").arg(n), {44, 30}, Qt::lightGray) : none(); }
const Art &colourSwatch(int n)
{
    static const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, QColor(255, 128, 0), Qt::magenta};
    return inRange(n, 1, 6) ? box(QStringLiteral("colour:%1").arg(n), {44, 30}, colours[n - 1]) : none();
}
const Art &playerType(int n) { return inRange(n, 1, 2) ? box(QStringLiteral("type:%1").arg(n), {40, 50}, Qt::white) : none(); }
const Art &infoSign() { return box("sign:i", {14, 14}, Qt::blue); }
const Art &statsSign() { return box("sign:S", {14, 14}, Qt::red); }
const Art &miniDeed(int n) { return inRange(n, 1, 9) ? box(QStringLiteral("mini:%1").arg(n), {8, 10}, Qt::white) : none(); }
const Art &miniStation(bool owned) { return box(owned ? "miniStation:owned" : "miniStation:empty", {26, 10}, Qt::white); }
const Art &miniElectric(bool owned) { return box(owned ? "miniElectric:owned" : "miniElectric:empty", {13, 15}, Qt::white); }
const Art &miniWater(bool owned) { return box(owned ? "miniWater:owned" : "miniWater:empty", {15, 12}, Qt::white); }
const Art &house() { return box("building:house", {14, 14}, Qt::green); }
const Art &hotel() { return box("building:hotel", {14, 14}, Qt::red); }
const Art &mortgageBanner(bool top) { return box(top ? "banner:top" : "banner:bottom", {60, 7}, Qt::white); }
const Art &mortgageCard(int n) { return inRange(n, 1, 9) ? box(QStringLiteral("mortgage:%1").arg(n), {27, 32}, Qt::white) : none(); }
const Art &chanceCard(int n) { return inRange(n, 1, 14) ? box(QStringLiteral("chance:%1").arg(n), {275, 140}, QColor(250, 160, 140)) : none(); }
const Art &communityCard(int n) { return inRange(n, 1, 14) ? box(QStringLiteral("community:%1").arg(n), {275, 140}, QColor(255, 250, 190)) : none(); }
const Art &appIcon() { return box("icon:Tycora", {256, 256}, QColor(207, 236, 211)); }

} // namespace tycora::art
