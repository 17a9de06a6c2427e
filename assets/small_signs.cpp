// The small signs laid over the board: the information and statistics
// hot-spot signs, houses and hotels, and the MORTGAGED banners.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRadialGradient>

namespace tycora::art {

using namespace kit;

namespace {

void disc(QPainter &p, const QColor &colour)
{
    QRadialGradient fill(QPointF(5.2, 4.8), 8);
    fill.setColorAt(0, lighter(colour, 45));
    fill.setColorAt(0.7, colour);
    fill.setColorAt(1, darker(colour, 30));
    p.setPen(outline(0.9, darker(colour, 55)));
    p.setBrush(fill);
    p.drawEllipse(QPointF(7, 7), 6.4, 6.4);
}

void paintInfo(QPainter &p, const QRectF &r)
{
    mapDesign(p, r, {14, 14});
    disc(p, QColor(30, 100, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7, 3.9), 1.25, 1.25);
    p.drawRoundedRect(QRectF(5.9, 5.9, 2.2, 5.6), 0.6, 0.6);
    p.drawRect(QRectF(5, 5.9, 1.6, 1));      // serif at the top left
    p.drawRect(QRectF(5, 10.5, 4, 1));       // foot
}

void paintStats(QPainter &p, const QRectF &r)
{
    mapDesign(p, r, {14, 14});
    disc(p, QColor(214, 30, 30));
    TextFit fit;
    fit.capHeight = 7.6;
    textBlock(p, QRectF(3, 3, 8, 8), {QStringLiteral("S")}, fit, Qt::white);
}

void paintHouse(QPainter &p, const QRectF &r)
{
    mapDesign(p, r, {14, 14});
    const QColor green(22, 150, 56);
    const QColor line = darker(green, 60);
    QPainterPath house;
    house.moveTo(2, 13);
    house.lineTo(2, 7.2);
    house.lineTo(0.8, 7.2);
    house.lineTo(7, 1.2);
    house.lineTo(13.2, 7.2);
    house.lineTo(12, 7.2);
    house.lineTo(12, 13);
    house.closeSubpath();
    QLinearGradient fill(0, 1, 0, 13);
    fill.setColorAt(0, lighter(green, 40));
    fill.setColorAt(1, darker(green, 15));
    p.setPen(outline(0.9, line));
    p.setBrush(fill);
    p.drawPath(house);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawRect(QRectF(6, 9, 2.2, 4));   // door
    p.setBrush(QColor(255, 255, 210));
    p.drawRect(QRectF(3.4, 8.2, 1.8, 1.8));
    p.drawRect(QRectF(9, 8.2, 1.8, 1.8));
}

void paintHotel(QPainter &p, const QRectF &r)
{
    mapDesign(p, r, {14, 14});
    const QColor red(214, 30, 30);
    const QColor line = darker(red, 60);
    QPainterPath hotel;
    hotel.moveTo(0.8, 13);
    hotel.lineTo(0.8, 6);
    hotel.lineTo(3.2, 2.8);
    hotel.lineTo(10.8, 2.8);
    hotel.lineTo(13.2, 6);
    hotel.lineTo(13.2, 13);
    hotel.closeSubpath();
    QLinearGradient fill(0, 3, 0, 13);
    fill.setColorAt(0, lighter(red, 40));
    fill.setColorAt(1, darker(red, 15));
    p.setPen(outline(0.9, line));
    p.setBrush(fill);
    p.drawPath(hotel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 210));
    for (qreal x : {2.4, 5.2, 8.0, 10.6})
        p.drawRect(QRectF(x, 6.6, 1.4, 1.6));
    p.setBrush(line);
    p.drawRect(QRectF(5.9, 9.6, 2.2, 3.4));  // door
}

void paintBanner(QPainter &p, const QRectF &r, bool upsideDown)
{
    mapDesign(p, r, {60, 7});
    if (upsideDown) {
        p.translate(60, 7);
        p.rotate(180);
    }
    TextFit fit;
    fit.capHeight = 6;
    fit.minCondense = 0.75;
    // A pale halo keeps the red word readable on any colour strip.
    textBlock(p, QRectF(1, 0.5, 58, 6), {QCoreApplication::translate("BoardArt", "MORTGAGED")}, fit, QColor(214, 0, 0),
              outline(1.4, QColor(255, 255, 255, 190)));
}

} // namespace

const Art &infoSign()
{
    static const Art art(QStringLiteral("sign:info"), {14, 14}, paintInfo);
    return art;
}

const Art &statsSign()
{
    static const Art art(QStringLiteral("sign:stats"), {14, 14}, paintStats);
    return art;
}

const Art &house()
{
    static const Art art(QStringLiteral("building:house"), {14, 14}, paintHouse);
    return art;
}

const Art &hotel()
{
    static const Art art(QStringLiteral("building:hotel"), {14, 14}, paintHotel);
    return art;
}

const Art &mortgageBanner(bool forTopSide)
{
    static const Art bottom(QStringLiteral("banner:bottom"), {60, 7},
                            [](QPainter &p, const QRectF &r) { paintBanner(p, r, false); });
    static const Art top(QStringLiteral("banner:top"), {60, 7},
                         [](QPainter &p, const QRectF &r) { paintBanner(p, r, true); });
    return forTopSide ? top : bottom;
}

} // namespace tycora::art
