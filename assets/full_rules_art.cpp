#include "assets/full_rules_art.h"

#include "assets/art_catalog.h"
#include "assets/art_kit.h"

#include <QHash>
#include <QPainter>

#include <algorithm>

namespace tycora::art {

using namespace kit;

namespace {

const QColor MortgageRed(214, 0, 0);

// One marked picture per picture marked, so marking twice gives the same Art.
// The mark goes over the picture, or under it when asked.
Art markedOnce(QHash<QString, Art> &made, const QString &kind, const Art &base,
               void (*mark)(QPainter &, const QRectF &), bool markUnder = false)
{
    if (base.isNull())
        return base;
    const QString name = kind + base.name();
    if (const auto found = made.constFind(name); found != made.cend())
        return *found;
    const Art marked(name, base.size(), [base, mark, markUnder](QPainter &p, const QRectF &r) {
        p.save();
        if (markUnder)
            mark(p, r);
        base.paint(p, r);
        p.restore();
        if (!markUnder)
            mark(p, r);
    });
    made.insert(name, marked);
    return marked;
}

void strikeMini(QPainter &p, const QRectF &r)
{
    // A pale wash and a red stroke corner to corner: the deed still shows
    // its colour, but plainly out of use.
    p.fillRect(r, QColor(255, 255, 255, 110));
    QPen pen(MortgageRed, std::max<qreal>(1.0, r.height() / 8));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(r.topLeft(), r.bottomRight());
}

void plaque(QPainter &p, const QRectF &r)
{
    // Opaque, with a thin dark rim that parts it from a pale strip; the
    // corners rounded by a fraction of the short side, so the plaque is the
    // same whichever way the banner is turned.
    const qreal rim = std::min(r.width(), r.height()) / 10;
    p.setPen(QPen(QColor(90, 90, 90), rim));
    p.setBrush(QColor(255, 255, 255));
    const QRectF inside = r.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    p.drawRoundedRect(inside, rim * 2, rim * 2);
}

void crossCard(QPainter &p, const QRectF &r)
{
    mapDesign(p, r, {27, 32});
    p.fillRect(QRectF(1, 1, 25, 30), QColor(120, 120, 120, 90));
    p.setPen(outline(1.6, MortgageRed));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 25, 30), 3, 3);
    p.setPen(outline(2.0, MortgageRed));
    p.drawLine(QPointF(3, 3), QPointF(24, 29));
    p.drawLine(QPointF(24, 3), QPointF(3, 29));
}

// A white deed card with a picture where a street's card has its colour band.
void paintPictureCard(QPainter &p, const QRectF &r, const Art &emblem, const QRectF &emblemBox)
{
    mapDesign(p, r, {27, 32});
    p.setPen(outline(1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 26, 31), 3, 3);
    emblem.paint(p, emblemBox);
    p.setPen(outline(1.0, QColor(160, 164, 168)));
    for (qreal y = 16; y <= 24; y += 2.6)
        p.drawLine(QPointF(5, y), QPointF(22, y));
}

void paintTurnedBanner(QPainter &p, const QRectF &r, bool forLeftSide)
{
    // Read top to bottom on the left side, bottom to top on the right.
    if (forLeftSide) {
        p.translate(r.right(), r.top());
        p.rotate(90);
    } else {
        p.translate(r.left(), r.bottom());
        p.rotate(-90);
    }
    mortgageBanner(false).paint(p, QRectF(0, 0, r.height(), r.width()));
}

} // namespace

const Art &mortgageBannerTurned(bool forLeftSide)
{
    static const Art left(QStringLiteral("banner:left"), {7, 60},
                          [](QPainter &p, const QRectF &r) { paintTurnedBanner(p, r, true); });
    static const Art right(QStringLiteral("banner:right"), {7, 60},
                           [](QPainter &p, const QRectF &r) { paintTurnedBanner(p, r, false); });
    return forLeftSide ? left : right;
}

Art bannerOnPlaque(const Art &banner)
{
    static QHash<QString, Art> made;
    return markedOnce(made, QStringLiteral("plaque:"), banner, plaque, true);
}

Art mortgagedMini(const Art &ownedMini)
{
    static QHash<QString, Art> made;
    return markedOnce(made, QStringLiteral("mortgaged:"), ownedMini, strikeMini);
}

const Art &stationMortgageCard()
{
    static const Art card(QStringLiteral("mortgage:station"), {27, 32}, [](QPainter &p, const QRectF &r) {
        paintPictureCard(p, r, miniStation(true), QRectF(3, 4, 21, 8));
    });
    return card;
}

const Art &utilityMortgageCard(bool electric)
{
    static const Art bulb(QStringLiteral("mortgage:electric"), {27, 32}, [](QPainter &p, const QRectF &r) {
        paintPictureCard(p, r, miniElectric(true), QRectF(8.5, 2.5, 10, 11.5));
    });
    static const Art tap(QStringLiteral("mortgage:water"), {27, 32}, [](QPainter &p, const QRectF &r) {
        paintPictureCard(p, r, miniWater(true), QRectF(7.5, 3.5, 12, 9.6));
    });
    return electric ? bulb : tap;
}

Art mortgagedCard(const Art &card)
{
    static QHash<QString, Art> made;
    return markedOnce(made, QStringLiteral("mortgaged:"), card, crossCard);
}

} // namespace tycora::art
