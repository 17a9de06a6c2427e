#include "assets/board_icons.h"

#include "assets/art_kit.h"
#include "assets/piece_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tycora::art::icons {

using namespace kit;

namespace {

QLinearGradient brass(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.45, QColor(222, 170, 60));
    g.setColorAt(1, QColor(140, 92, 22));
    return g;
}

// Draws a wheel with a hub and a rim line.
void wheel(QPainter &p, QPointF centre, qreal radius, const QColor &paint, qreal line)
{
    p.setPen(outline(line));
    p.setBrush(paint);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(ink());
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

} // namespace

void locomotive(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {40, 26});
    const qreal line = 0.9;
    const QColor body(38, 48, 44);
    QLinearGradient sheen(0, 3, 0, 20);
    sheen.setColorAt(0, QColor(96, 112, 104));
    sheen.setColorAt(0.4, body);
    sheen.setColorAt(1, QColor(16, 20, 18));

    p.setPen(outline(line));
    p.setBrush(sheen);
    // Chimney and dome stand behind the boiler.
    QPainterPath chimney;
    chimney.moveTo(9.2, 9.5);
    chimney.lineTo(9.6, 4.2);
    chimney.lineTo(8, 3.2);
    chimney.lineTo(8, 1.6);
    chimney.lineTo(14, 1.6);
    chimney.lineTo(14, 3.2);
    chimney.lineTo(12.4, 4.2);
    chimney.lineTo(12.8, 9.5);
    chimney.closeSubpath();
    p.drawPath(chimney);
    p.setBrush(brass(5.5, 10));
    p.drawEllipse(QRectF(16.2, 5.6, 6, 6));

    // Boiler, cab with its window and roof, footplate, cowcatcher.
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(5.5, 8.5, 22, 9.5), 3.2, 3.2);
    p.drawRect(QRectF(26, 4.8, 11, 13.2));
    p.drawRoundedRect(QRectF(24.6, 3, 14, 2.4), 1, 1);
    p.setBrush(QColor(255, 230, 150));
    p.drawRect(QRectF(28.8, 7.2, 5.6, 4.6));
    p.setBrush(QColor(150, 30, 30));
    p.drawRect(QRectF(3.5, 17.6, 35, 2.8));
    p.drawPolygon(QPolygonF({QPointF(0.8, 23.5), QPointF(4.8, 17.6), QPointF(7, 17.6), QPointF(7, 23.5)}));

    // Brass boiler bands.
    p.setPen(outline(0.9, QColor(222, 170, 60)));
    p.drawLine(QPointF(13, 9), QPointF(13, 17.5));
    p.drawLine(QPointF(21, 9), QPointF(21, 17.5));

    // Wheels and the coupling rod.
    const QColor red(186, 38, 34);
    wheel(p, {30.5, 21.4}, 4.2, red, line);
    wheel(p, {20.5, 22.4}, 3.3, red, line);
    wheel(p, {11, 23.1}, 2.6, red, line);
    p.setPen(outline(1.0, QColor(210, 214, 218)));
    p.drawLine(QPointF(11, 23.1), QPointF(30.5, 22.4));
    p.restore();
}

void lightBulb(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {24, 32});
    const QPointF centre(12, 11.5);

    // Rays.
    p.setPen(outline(1.1, QColor(235, 150, 0)));
    for (int angle = -180; angle <= 0; angle += 30) {
        const qreal a = angle * M_PI / 180.0;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * 8.9, centre + QPointF(std::cos(a), std::sin(a)) * 11.2);
    }

    // Glass.
    QPainterPath glass;
    glass.addEllipse(centre, 7.4, 7.4);
    QPainterPath neck;
    neck.moveTo(7.6, 16.5);
    neck.quadTo(9, 19.5, 9, 22.5);
    neck.lineTo(15, 22.5);
    neck.quadTo(15, 19.5, 16.4, 16.5);
    neck.closeSubpath();
    glass = glass.united(neck);
    QRadialGradient glow(QPointF(10, 9), 10);
    glow.setColorAt(0, QColor(255, 255, 235));
    glow.setColorAt(0.55, QColor(255, 240, 120));
    glow.setColorAt(1, QColor(250, 200, 40));
    p.setPen(outline(1.0));
    p.setBrush(glow);
    p.drawPath(glass);

    // Filament.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(0.8, QColor(170, 90, 20)));
    QPainterPath filament;
    filament.moveTo(10.2, 21.5);
    filament.lineTo(10.2, 14);
    filament.lineTo(11, 12.2);
    filament.lineTo(12, 14);
    filament.lineTo(13, 12.2);
    filament.lineTo(13.8, 14);
    filament.lineTo(13.8, 21.5);
    p.drawPath(filament);

    // Screw cap.
    QLinearGradient steel(8.5, 0, 15.5, 0);
    steel.setColorAt(0, QColor(120, 124, 130));
    steel.setColorAt(0.4, QColor(230, 232, 236));
    steel.setColorAt(1, QColor(100, 104, 110));
    p.setPen(outline(0.9));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(8.6, 22.5, 6.8, 6), 1, 1);
    p.drawLine(QPointF(8.8, 24.5), QPointF(15.2, 25.2));
    p.drawLine(QPointF(8.8, 26.5), QPointF(15.2, 27.2));
    p.setBrush(ink());
    p.drawRoundedRect(QRectF(10.4, 28.5, 3.2, 2.2), 1, 1);
    p.restore();
}

void waterTap(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {32, 30});
    p.setPen(outline(0.9));

    // Pipe from the wall and its flange.
    p.setBrush(brass(9, 14));
    p.drawRect(QRectF(0.6, 9.5, 9, 4.4));
    p.drawRoundedRect(QRectF(8.6, 7.5, 2.6, 8.4), 0.8, 0.8);

    // Spout turning down.
    QPainterPath spout;
    spout.moveTo(14, 8.8);
    spout.lineTo(22, 8.8);
    spout.quadTo(27, 8.8, 27, 13.8);
    spout.lineTo(27, 19.6);
    spout.lineTo(22.6, 19.6);
    spout.lineTo(22.6, 14.8);
    spout.quadTo(22.6, 13.4, 21.2, 13.4);
    spout.lineTo(14, 13.4);
    spout.closeSubpath();
    p.setBrush(brass(8, 20));
    p.drawPath(spout);

    // Body, spindle and cross handle.
    p.setBrush(brass(6, 16));
    p.drawRoundedRect(QRectF(10.8, 6.4, 8.4, 9.6), 2, 2);
    p.drawRect(QRectF(13.8, 3, 2.4, 3.6));
    p.drawRoundedRect(QRectF(8.4, 1.2, 13.2, 2.4), 1.2, 1.2);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(15, 2.4), 1.6, 1.6);

    // A falling drop.
    QPainterPath drop;
    drop.moveTo(24.8, 21.2);
    drop.cubicTo(25.8, 23.2, 27.6, 24.6, 27.6, 26.2);
    drop.cubicTo(27.6, 27.8, 26.3, 28.8, 24.8, 28.8);
    drop.cubicTo(23.3, 28.8, 22, 27.8, 22, 26.2);
    drop.cubicTo(22, 24.6, 23.8, 23.2, 24.8, 21.2);
    QLinearGradient water(22, 21, 28, 29);
    water.setColorAt(0, QColor(170, 220, 255));
    water.setColorAt(1, QColor(30, 110, 220));
    p.setPen(outline(0.8, QColor(20, 60, 140)));
    p.setBrush(water);
    p.drawPath(drop);
    p.restore();
}

void treasureChest(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {30, 24});
    QLinearGradient wood(0, 2, 0, 23);
    wood.setColorAt(0, QColor(196, 128, 64));
    wood.setColorAt(0.5, QColor(150, 88, 38));
    wood.setColorAt(1, QColor(104, 58, 22));
    p.setPen(outline(1.0));
    p.setBrush(wood);
    QPainterPath lid;
    lid.moveTo(1.5, 11);
    lid.lineTo(1.5, 8.5);
    lid.quadTo(1.5, 2.5, 8, 2.5);
    lid.lineTo(22, 2.5);
    lid.quadTo(28.5, 2.5, 28.5, 8.5);
    lid.lineTo(28.5, 11);
    lid.closeSubpath();
    p.drawPath(lid);
    p.drawRect(QRectF(1.5, 11, 27, 11.5));

    // Iron bands and the brass lock.
    p.setBrush(QColor(70, 70, 76));
    p.drawRect(QRectF(5.5, 3.4, 2.6, 19.1));
    p.drawRect(QRectF(21.9, 3.4, 2.6, 19.1));
    p.drawRect(QRectF(1.5, 10, 27, 2));
    p.setBrush(brass(8, 16));
    p.drawRoundedRect(QRectF(12.4, 8.6, 5.2, 6.6), 1, 1);
    p.setBrush(ink());
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(15, 11), 0.9, 0.9);
    p.drawRect(QRectF(14.6, 11.4, 0.8, 2));
    p.restore();
}

void questionMark(QPainter &p, const QRectF &box, const QColor &colour)
{
    const QPainterPath glyph = capsPath(QStringLiteral("?"));
    const QRectF ink = glyph.boundingRect();
    p.save();
    mapFitted(p, box, ink.size());
    p.translate(-ink.topLeft());
    const qreal strokeWidth = ink.height() * 0.06;
    p.strokePath(glyph.translated(ink.height() * 0.03, ink.height() * 0.035), QPen(QColor(0, 0, 0, 70), strokeWidth));
    p.fillPath(glyph.translated(ink.height() * 0.03, ink.height() * 0.035), QColor(0, 0, 0, 70));
    p.strokePath(glyph, outline(strokeWidth));
    p.fillPath(glyph, colour);
    p.restore();
}

void policeHelmet(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {26, 30});
    const QColor navy(28, 38, 84);
    QLinearGradient cloth(4, 0, 22, 0);
    cloth.setColorAt(0, QColor(70, 86, 150));
    cloth.setColorAt(0.5, navy);
    cloth.setColorAt(1, QColor(12, 16, 40));
    p.setPen(outline(1.0));
    p.setBrush(cloth);

    // Rose on top, dome, brim.
    p.drawRoundedRect(QRectF(11.2, 1, 3.6, 3.8), 1.2, 1.2);
    QPainterPath dome;
    dome.moveTo(5, 24);
    dome.cubicTo(3.6, 14, 6.6, 4.2, 13, 4);
    dome.cubicTo(19.4, 4.2, 22.4, 14, 21, 24);
    dome.closeSubpath();
    p.drawPath(dome);
    p.drawRoundedRect(QRectF(1, 22.6, 24, 4.6), 2.3, 2.3);

    // Comb seam, chin band and the silver star badge.
    p.setPen(outline(0.8, QColor(110, 124, 190)));
    p.drawLine(QPointF(13, 5), QPointF(13, 10));
    p.setPen(outline(0.8));
    p.setBrush(QColor(210, 214, 222));
    QPainterPath star;
    const QPointF c(13, 15.5);
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 ? 1.7 : 4;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(1.0, QColor(200, 200, 210)));
    p.drawLine(QPointF(5, 21.5), QPointF(21, 21.5));
    p.restore();
}

void diamondRing(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {24, 28});

    // The gold band: a thick ring drawn twice for a dark edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(3.8, QColor(110, 72, 14)));
    p.drawEllipse(QPointF(12, 18.5), 7.8, 7.8);
    p.setPen(outline(2.4, QColor(240, 196, 80)));
    p.drawEllipse(QPointF(12, 18.5), 7.8, 7.8);
    p.setPen(outline(0.7, QColor(255, 244, 190)));
    p.drawArc(QRectF(4.2, 10.7, 15.6, 15.6), 100 * 16, 70 * 16);

    // The stone, cut with facets, and a sparkle.
    QPainterPath stone;
    stone.moveTo(6.5, 6.2);
    stone.lineTo(9, 2.6);
    stone.lineTo(15, 2.6);
    stone.lineTo(17.5, 6.2);
    stone.lineTo(12, 12.5);
    stone.closeSubpath();
    QLinearGradient ice(6, 2, 18, 12);
    ice.setColorAt(0, QColor(245, 252, 255));
    ice.setColorAt(0.5, QColor(170, 220, 245));
    ice.setColorAt(1, QColor(90, 160, 210));
    p.setPen(outline(0.8, QColor(30, 60, 90)));
    p.setBrush(ice);
    p.drawPath(stone);
    p.setPen(outline(0.5, QColor(30, 60, 90)));
    p.drawLine(QPointF(6.5, 6.2), QPointF(17.5, 6.2));
    p.drawLine(QPointF(10.5, 2.8), QPointF(12, 12.3));
    p.drawLine(QPointF(13.5, 2.8), QPointF(12, 12.3));
    p.setPen(outline(0.8, QColor(255, 255, 255)));
    p.drawLine(QPointF(19.5, 1.2), QPointF(19.5, 4.6));
    p.drawLine(QPointF(17.8, 2.9), QPointF(21.2, 2.9));
    p.restore();
}

void poundCoin(QPainter &p, const QRectF &box)
{
    p.save();
    mapFitted(p, box, {24, 24});
    QRadialGradient gold(QPointF(9, 8), 14);
    gold.setColorAt(0, QColor(255, 242, 170));
    gold.setColorAt(0.6, QColor(232, 182, 60));
    gold.setColorAt(1, QColor(170, 116, 26));
    p.setPen(outline(1.0, QColor(110, 72, 14)));
    p.setBrush(gold);
    p.drawEllipse(QPointF(12, 12), 10.8, 10.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(0.7, QColor(150, 100, 20)));
    p.drawEllipse(QPointF(12, 12), 8.6, 8.6);
    TextFit fit;
    fit.capHeight = 11;
    textBlock(p, QRectF(5, 5.5, 14, 13), {QStringLiteral("£")}, fit, QColor(120, 76, 12));
    p.restore();
}

void touringCar(QPainter &p, const QRectF &box, const QColor &paint)
{
    using shapes::Piece;
    p.save();
    mapFitted(p, box, {shapes::PieceWidth, shapes::PieceHeight});
    const QPainterPath body = shapes::silhouette(Piece::Car);
    QLinearGradient shine(0, 5, 0, 22);
    shine.setColorAt(0, lighter(paint, 45));
    shine.setColorAt(0.5, paint);
    shine.setColorAt(1, darker(paint, 35));
    p.fillPath(body, shine);
    // Tyres, then the engraving and the outline of the piece.
    p.setPen(outline(1.0));
    p.setBrush(QColor(40, 40, 44));
    p.drawEllipse(QPointF(10, 22.5), 5.2, 5.2);
    p.drawEllipse(QPointF(34, 22.5), 5.2, 5.2);
    p.setBrush(QColor(220, 222, 226));
    p.drawEllipse(QPointF(10, 22.5), 2.4, 2.4);
    p.drawEllipse(QPointF(34, 22.5), 2.4, 2.4);
    p.strokePath(shapes::detail(Piece::Car), outline(0.7, darker(paint, 50)));
    p.strokePath(body, outline(1.0));
    p.restore();
}

} // namespace tycora::art::icons
