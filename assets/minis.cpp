// The miniature title deeds of the player panels (street cards, station,
// Electric Company, Water Works) and the cards of the mortgage window.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"

#include <QPainter>

#include <array>

namespace tycora::art {

using namespace kit;

namespace {

// An unowned mini is a faint outline; an owned one is in colour.
struct MiniStyle {
    bool owned;
    QColor line() const { return owned ? ink() : QColor(128, 150, 134); }
    QBrush fill(const QColor &colour) const { return owned ? QBrush(colour) : QBrush(Qt::NoBrush); }
};

void paintMiniDeed(QPainter &p, const QRectF &r, int number)
{
    mapDesign(p, r, {8, 10});
    QPen edge = outline(1.0, number == 1 ? QColor(110, 132, 116) : darker(groupColour(number - 2), 45));
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.setBrush(number == 1 ? boardGreen() : groupColour(number - 2));
    p.drawRect(QRectF(0.5, 0.5, 7, 9));
}

void paintMiniStation(QPainter &p, const QRectF &r, MiniStyle style)
{
    mapDesign(p, r, {26, 10});
    p.setPen(outline(0.9, style.line()));
    p.setBrush(style.fill(QColor(40, 50, 46)));
    QPainterPath engine;
    engine.moveTo(1.5, 8);
    engine.lineTo(3.5, 5);                   // buffer beam
    engine.lineTo(3.5, 3.2);
    engine.lineTo(5, 3.2);
    engine.lineTo(5, 1);                     // chimney
    engine.lineTo(7, 1);
    engine.lineTo(7, 3.2);
    engine.lineTo(16, 3.2);                  // boiler
    engine.lineTo(16, 1);                    // cab
    engine.lineTo(22.5, 1);
    engine.lineTo(22.5, 8);
    engine.closeSubpath();
    p.drawPath(engine);
    p.setBrush(style.fill(QColor(196, 40, 36)));
    for (qreal x : {7.0, 12.5, 19.0})
        p.drawEllipse(QPointF(x, 8), 1.6, 1.6);
    // The tender behind.
    p.setBrush(style.fill(QColor(40, 50, 46)));
    p.drawRect(QRectF(23.2, 3.5, 2.3, 4.5));
}

void paintMiniElectric(QPainter &p, const QRectF &r, MiniStyle style)
{
    mapDesign(p, r, {13, 15});
    p.setPen(outline(0.9, style.line()));
    QPainterPath glass;
    glass.addEllipse(QPointF(6.5, 5.5), 4.6, 4.6);
    QPainterPath neck;
    neck.addRect(QRectF(4.4, 8.5, 4.2, 2.8));
    p.setBrush(style.fill(QColor(255, 224, 40)));
    p.drawPath(glass.united(neck));
    p.setBrush(style.fill(QColor(150, 154, 160)));
    p.drawRect(QRectF(4.4, 11.3, 4.2, 2.4));
}

void paintMiniWater(QPainter &p, const QRectF &r, MiniStyle style)
{
    mapDesign(p, r, {15, 12});
    p.setPen(outline(0.9, style.line()));
    p.setBrush(style.fill(QColor(214, 164, 56)));
    QPainterPath tap;
    tap.moveTo(0.8, 4);
    tap.lineTo(10, 4);
    tap.quadTo(12.5, 4, 12.5, 6.5);
    tap.lineTo(12.5, 8);
    tap.lineTo(10, 8);
    tap.lineTo(10, 7);
    tap.lineTo(0.8, 7);
    tap.closeSubpath();
    p.drawPath(tap);
    p.drawRect(QRectF(5, 1, 1.6, 3));          // spindle
    p.drawRect(QRectF(3, 0.6, 5.6, 1.2));      // handle
    p.setBrush(style.fill(QColor(40, 120, 230)));
    p.drawEllipse(QPointF(11.2, 10.2), 1.2, 1.3);
}

void paintMortgageCard(QPainter &p, const QRectF &r, int number)
{
    mapDesign(p, r, {27, 32});
    const QRectF card(0.5, 0.5, 26, 31);
    if (number == 1) {
        p.setPen(outline(1.0, QColor(110, 132, 116)));
        p.setBrush(boardGreen());
        p.drawRoundedRect(card, 3, 3);
        return;
    }
    const QColor band = groupColour(number - 2);
    p.setPen(outline(1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3, 3);
    p.setPen(outline(0.8));
    p.setBrush(band);
    p.drawRect(QRectF(3, 3, 21, 7));
    // Lines of small print.
    p.setPen(outline(1.0, QColor(160, 164, 168)));
    for (qreal y = 14; y <= 22; y += 2.6)
        p.drawLine(QPointF(5, y), QPointF(22, y));
    p.drawLine(QPointF(8, 26.5), QPointF(19, 26.5));
}

} // namespace

const Art &miniDeed(int number)
{
    static const std::array<Art, 9> minis = [] {
        std::array<Art, 9> made;
        for (int n = 1; n <= 9; ++n)
            made[n - 1] = Art(QStringLiteral("mini:%1").arg(n), {8, 10},
                              [n](QPainter &p, const QRectF &r) { paintMiniDeed(p, r, n); });
        return made;
    }();
    return inRange(number, 1, 9) ? minis[number - 1] : none();
}

const Art &miniStation(bool owned)
{
    static const Art full(QStringLiteral("miniStation:owned"), {26, 10},
                          [](QPainter &p, const QRectF &r) { paintMiniStation(p, r, {true}); });
    static const Art empty(QStringLiteral("miniStation:empty"), {26, 10},
                           [](QPainter &p, const QRectF &r) { paintMiniStation(p, r, {false}); });
    return owned ? full : empty;
}

const Art &miniElectric(bool owned)
{
    static const Art full(QStringLiteral("miniElectric:owned"), {13, 15},
                          [](QPainter &p, const QRectF &r) { paintMiniElectric(p, r, {true}); });
    static const Art empty(QStringLiteral("miniElectric:empty"), {13, 15},
                           [](QPainter &p, const QRectF &r) { paintMiniElectric(p, r, {false}); });
    return owned ? full : empty;
}

const Art &miniWater(bool owned)
{
    static const Art full(QStringLiteral("miniWater:owned"), {15, 12},
                          [](QPainter &p, const QRectF &r) { paintMiniWater(p, r, {true}); });
    static const Art empty(QStringLiteral("miniWater:empty"), {15, 12},
                           [](QPainter &p, const QRectF &r) { paintMiniWater(p, r, {false}); });
    return owned ? full : empty;
}

const Art &mortgageCard(int number)
{
    static const std::array<Art, 9> cards = [] {
        std::array<Art, 9> made;
        for (int n = 1; n <= 9; ++n)
            made[n - 1] = Art(QStringLiteral("mortgage:%1").arg(n), {27, 32},
                              [n](QPainter &p, const QRectF &r) { paintMortgageCard(p, r, n); });
        return made;
    }();
    return inRange(number, 1, 9) ? cards[number - 1] : none();
}

} // namespace tycora::art
