#include "assets/card_icons.h"

#include "assets/art_kit.h"
#include "assets/board_icons.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tycora::art::cardicons {

using namespace kit;

namespace {

// Every drawing here is made on a 60 x 60 canvas.
constexpr QSizeF Canvas(60, 60);

const QColor Gold(236, 186, 64);
const QColor GoldEdge(120, 80, 16);
const QColor NoteGreen(150, 200, 150);

void print(QPainter &p, const QRectF &box, const QStringList &lines, qreal cap, const QColor &colour)
{
    TextFit fit;
    fit.capHeight = cap;
    fit.lineGap = 0.35;
    fit.minCondense = 0.75;
    textBlock(p, box, lines, fit, colour);
}

void coin(QPainter &p, QPointF centre, qreal rx, qreal ry)
{
    QLinearGradient g(centre.x() - rx, 0, centre.x() + rx, 0);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.5, Gold);
    g.setColorAt(1, QColor(176, 120, 30));
    p.setPen(outline(1.2, GoldEdge));
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
}

} // namespace

void streetSign(QPainter &p, const QRectF &box, const QStringList &name)
{
    p.save();
    mapFitted(p, box, Canvas);
    // Posts, then the white plate with a black border, red name, district.
    p.setPen(outline(1.2));
    p.setBrush(QColor(60, 64, 70));
    p.drawRect(QRectF(12, 40, 3.5, 19));
    p.drawRect(QRectF(44.5, 40, 3.5, 19));
    const QRectF plate(2, 12, 56, 32);
    p.setBrush(Qt::white);
    p.drawRoundedRect(plate, 3, 3);
    p.setPen(outline(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    print(p, QRectF(7.5, 16.5, 45, name.size() > 1 ? 17 : 13), name, 9, QColor(200, 20, 20));
    print(p, QRectF(10, 35.5, 40, 4.5), {QStringLiteral("LONDON")}, 4, ink());
    p.restore();
}

void goArrow(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    QPainterPath arrow;
    arrow.moveTo(2, 30);
    arrow.lineTo(22, 12);
    arrow.lineTo(22, 21);
    arrow.lineTo(58, 21);
    arrow.lineTo(58, 39);
    arrow.lineTo(22, 39);
    arrow.lineTo(22, 48);
    arrow.closeSubpath();
    QLinearGradient red(0, 12, 0, 48);
    red.setColorAt(0, QColor(240, 80, 60));
    red.setColorAt(1, QColor(170, 20, 16));
    p.setPen(outline(1.4));
    p.setBrush(red);
    p.drawPath(arrow);
    TextFit fit;
    fit.capHeight = 13;
    textBlock(p, QRectF(24, 22.5, 32, 15), {QStringLiteral("GO")}, fit, Qt::white, outline(1.8));
    p.restore();
}

void backThree(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    // A U-turn arrow round a big 3.
    QPainterPath turn;
    turn.moveTo(50, 50);
    turn.lineTo(50, 24);
    turn.arcTo(QRectF(14, 6, 36, 36), 0, 180);
    turn.lineTo(14, 30);
    QPen shaft = outline(7, QColor(30, 90, 200));
    shaft.setCapStyle(Qt::FlatCap);
    QPainterPathStroker stroker(shaft);
    const QPainterPath body = stroker.createStroke(turn);
    QPainterPath head;
    head.moveTo(3, 28);
    head.lineTo(25, 28);
    head.lineTo(14, 44);
    head.closeSubpath();
    const QPainterPath arrow = body.united(head);
    p.setPen(outline(1.3));
    p.setBrush(QColor(30, 90, 200));
    p.drawPath(arrow);
    print(p, QRectF(22, 22, 18, 24), {QStringLiteral("3")}, 22, QColor(200, 20, 20));
    p.restore();
}

void coinStack(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    for (int column = 0; column < 2; ++column) {
        const qreal x = column == 0 ? 20 : 40;
        const int height = column == 0 ? 6 : 4;
        const qreal base = column == 0 ? 52 : 54;
        for (int i = 0; i < height; ++i)
            coin(p, {x, base - i * 5.2}, 13, 4.5);
    }
    // A coin on its edge showing its face.
    coin(p, {44, 27}, 11, 11);
    print(p, QRectF(38, 21, 12, 12), {QStringLiteral("£")}, 12, GoldEdge);
    p.restore();
}

void banknote(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.translate(30, 30);
        p.rotate(-12 + i * 9);
        const QRectF note(-27, -15, 54, 30);
        p.setPen(outline(1.2, QColor(40, 80, 50)));
        QLinearGradient paper(note.topLeft(), note.bottomRight());
        paper.setColorAt(0, QColor(226, 244, 220));
        paper.setColorAt(1, QColor(168, 208, 164));
        p.setBrush(paper);
        p.drawRect(note);
        if (i == 0) {
            p.setBrush(Qt::NoBrush);
            p.setPen(outline(0.9, QColor(60, 120, 70)));
            p.drawRect(note.adjusted(3, 3, -3, -3));
            p.drawEllipse(QPointF(-14, 0), 7, 9);
            print(p, QRectF(-4, -8, 26, 16), {QStringLiteral("£")}, 15, QColor(30, 90, 50));
        }
        p.restore();
    }
    p.restore();
}

void moneyBag(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    QPainterPath bag;
    bag.moveTo(24, 18);
    bag.cubicTo(6, 26, 4, 56, 30, 57);
    bag.cubicTo(56, 56, 54, 26, 36, 18);
    bag.closeSubpath();
    QPainterPath neck;
    neck.moveTo(22, 6);
    neck.lineTo(38, 6);
    neck.lineTo(34, 18);
    neck.lineTo(26, 18);
    neck.closeSubpath();
    QRadialGradient sack(QPointF(24, 32), 30);
    sack.setColorAt(0, QColor(232, 206, 150));
    sack.setColorAt(1, QColor(160, 120, 64));
    p.setPen(outline(1.3));
    p.setBrush(sack);
    p.drawPath(bag.united(neck));
    p.setPen(outline(2.2, QColor(120, 40, 30)));
    p.drawLine(QPointF(24, 17), QPointF(36, 17));
    print(p, QRectF(18, 30, 24, 20), {QStringLiteral("£")}, 18, QColor(90, 60, 20));
    p.restore();
}

void jailWindow(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.setPen(outline(1.3));
    p.setBrush(QColor(244, 140, 50));
    p.drawRoundedRect(QRectF(3, 3, 54, 54), 3, 3);
    p.setBrush(QColor(46, 52, 60));
    p.drawRect(QRectF(10, 10, 40, 40));
    p.setPen(outline(2.6, QColor(200, 204, 212)));
    for (qreal x = 16; x < 48; x += 7)
        p.drawLine(QPointF(x, 10.5), QPointF(x, 49.5));
    p.drawLine(QPointF(10.5, 22), QPointF(49.5, 22));
    p.setPen(outline(1.3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 10, 40, 40));
    p.restore();
}

void repairs(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    // The house.
    QPainterPath house;
    house.moveTo(8, 56);
    house.lineTo(8, 30);
    house.lineTo(3, 30);
    house.lineTo(24, 10);
    house.lineTo(45, 30);
    house.lineTo(40, 30);
    house.lineTo(40, 56);
    house.closeSubpath();
    QLinearGradient green(0, 10, 0, 56);
    green.setColorAt(0, QColor(90, 200, 110));
    green.setColorAt(1, QColor(20, 120, 50));
    p.setPen(outline(1.3));
    p.setBrush(green);
    p.drawPath(house);
    p.setBrush(QColor(255, 250, 210));
    p.drawRect(QRectF(13, 34, 7, 7));
    p.setBrush(QColor(110, 60, 30));
    p.drawRect(QRectF(26, 40, 8, 16));

    // A spanner laid across the corner.
    p.translate(44, 36);
    p.rotate(-40);
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(-3, -2, 24, 6), 2.5, 2.5);
    QPainterPath jaw;
    jaw.addEllipse(QPointF(-6, 1), 7, 7);
    QPainterPath gap;
    gap.addRect(QRectF(-14, -1.5, 9, 5));
    spanner = spanner.united(jaw).subtracted(gap);
    QLinearGradient steel(0, -7, 0, 8);
    steel.setColorAt(0, QColor(240, 242, 246));
    steel.setColorAt(1, QColor(120, 126, 134));
    p.setBrush(steel);
    p.drawPath(spanner);
    p.restore();
}

void railTicket(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.translate(30, 30);
    p.rotate(-10);
    QPainterPath ticket;
    ticket.addRoundedRect(QRectF(-27, -17, 54, 34), 3, 3);
    QPainterPath notch;
    notch.addEllipse(QPointF(-27, 0), 4, 4);
    notch.addEllipse(QPointF(27, 0), 4, 4);
    ticket = ticket.subtracted(notch);
    p.setPen(outline(1.3));
    p.setBrush(QColor(250, 236, 196));
    p.drawPath(ticket);
    p.setPen(QPen(QColor(150, 120, 80), 1.0, Qt::DashLine));
    p.drawLine(QPointF(12, -16), QPointF(12, 16));
    icons::locomotive(p, QRectF(-22, -14, 32, 20));
    print(p, QRectF(-22, 8, 32, 5), {QCoreApplication::translate("BoardArt", "SINGLE")}, 4.5, QColor(150, 40, 30));
    p.restore();
}

void key(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.translate(30, 30);
    p.rotate(-35);
    QPainterPath k;
    k.addEllipse(QPointF(-16, 0), 12, 12);
    k.addRect(QRectF(-6, -3, 34, 6));
    k.addRect(QRectF(18, 3, 4, 8));
    k.addRect(QRectF(24, 3, 4, 6));
    QPainterPath hole;
    hole.addEllipse(QPointF(-16, 0), 5.5, 5.5);
    k = k.simplified().subtracted(hole);
    QLinearGradient brass(-28, -12, 10, 12);
    brass.setColorAt(0, QColor(255, 236, 150));
    brass.setColorAt(0.5, Gold);
    brass.setColorAt(1, QColor(150, 100, 24));
    p.setPen(outline(1.3, GoldEdge));
    p.setBrush(brass);
    p.drawPath(k);
    p.restore();
}

void medicalCross(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.setPen(outline(1.3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(30, 30), 26, 26);
    QPainterPath cross;
    cross.addRect(QRectF(23, 12, 14, 36));
    cross.addRect(QRectF(12, 23, 36, 14));
    p.setBrush(QColor(214, 30, 30));
    p.drawPath(cross.simplified());
    p.restore();
}

void schoolBook(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    // An open book seen from above.
    p.setPen(outline(1.3));
    p.setBrush(QColor(30, 80, 160));
    QPainterPath cover;
    cover.moveTo(2, 18);
    cover.quadTo(16, 12, 30, 18);
    cover.quadTo(44, 12, 58, 18);
    cover.lineTo(58, 52);
    cover.quadTo(44, 46, 30, 52);
    cover.quadTo(16, 46, 2, 52);
    cover.closeSubpath();
    p.drawPath(cover);
    p.setBrush(Qt::white);
    QPainterPath left;
    left.moveTo(5, 16);
    left.quadTo(17, 10, 30, 16);
    left.lineTo(30, 49);
    left.quadTo(17, 43, 5, 49);
    left.closeSubpath();
    p.drawPath(left);
    QTransform mirror;
    mirror.translate(60, 0);
    mirror.scale(-1, 1);
    p.drawPath(mirror.map(left));
    p.setPen(outline(1.0, QColor(150, 156, 170)));
    for (qreal y = 22; y <= 40; y += 5) {
        p.drawLine(QPointF(9, y), QPointF(26, y - 1.5));
        p.drawLine(QPointF(34, y - 1.5), QPointF(51, y));
    }
    p.restore();
}

void rosette(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    // Ribbon tails, then the pleated disc and its centre.
    p.setPen(outline(1.2));
    p.setBrush(QColor(30, 90, 200));
    p.drawPolygon(QPolygonF({QPointF(22, 30), QPointF(14, 58), QPointF(20, 53), QPointF(24, 58), QPointF(30, 32)}));
    p.drawPolygon(QPolygonF({QPointF(38, 30), QPointF(46, 58), QPointF(40, 53), QPointF(36, 58), QPointF(30, 32)}));
    QPainterPath pleats;
    const QPointF c(30, 24);
    for (int i = 0; i <= 24; ++i) {
        const qreal a = i * M_PI / 12;
        const qreal r = i % 2 ? 17 : 21;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            pleats.moveTo(pt);
        else
            pleats.lineTo(pt);
    }
    pleats.closeSubpath();
    p.setBrush(QColor(60, 130, 230));
    p.drawPath(pleats);
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(c, 12, 12);
    print(p, QRectF(22, 17, 16, 14), {QCoreApplication::translate("BoardArt", "2ND")}, 7, QColor(30, 60, 150));
    p.restore();
}

void scroll(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.setPen(outline(1.3));
    QLinearGradient paper(0, 8, 0, 52);
    paper.setColorAt(0, QColor(255, 248, 220));
    paper.setColorAt(1, QColor(230, 212, 160));
    p.setBrush(paper);
    p.drawRect(QRectF(8, 10, 44, 40));
    p.setBrush(QColor(220, 200, 150));
    p.drawRoundedRect(QRectF(4, 6, 52, 7), 3.5, 3.5);
    p.drawRoundedRect(QRectF(4, 47, 52, 7), 3.5, 3.5);
    p.setPen(outline(1.0, QColor(150, 130, 90)));
    for (qreal y = 19; y <= 35; y += 4)
        p.drawLine(QPointF(14, y), QPointF(46, y));
    // The red seal.
    p.setPen(outline(1.0, QColor(110, 10, 10)));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(40, 41), 5, 5);
    p.restore();
}

void giftBox(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    p.setPen(outline(1.3));
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(8, 26, 44, 31));
    p.drawRect(QRectF(5, 18, 50, 9));
    p.setBrush(QColor(250, 210, 60));
    p.drawRect(QRectF(26.5, 18, 7, 39));
    // The bow.
    p.drawEllipse(QRectF(15, 8, 15, 10));
    p.drawEllipse(QRectF(30, 8, 15, 10));
    p.drawEllipse(QPointF(30, 16), 3.5, 3.5);
    // A sprig of holly.
    p.setBrush(QColor(20, 120, 50));
    p.drawEllipse(QRectF(10, 34, 10, 5));
    p.drawEllipse(QRectF(14, 38, 10, 5));
    p.setBrush(QColor(230, 20, 20));
    p.drawEllipse(QPointF(18, 38.5), 1.8, 1.8);
    p.restore();
}

void utilities(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, Canvas);
    icons::lightBulb(p, QRectF(0, 0, 30, 40));
    icons::waterTap(p, QRectF(24, 24, 36, 34));
    p.restore();
}

} // namespace tycora::art::cardicons
