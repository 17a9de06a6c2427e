// The pictures a player chooses: the six metal pieces, the six colour
// swatches and the two player types.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/piece_shapes.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace tycora::art {

using namespace kit;

namespace {

void paintPiece(QPainter &p, const QRectF &target, shapes::Piece which)
{
    mapDesign(p, target, {shapes::PieceWidth, shapes::PieceHeight});
    const QPainterPath body = shapes::silhouette(which);
    const QRectF box = body.boundingRect();

    // A pale halo and a soft cast shadow keep the token apart from the
    // drawings and colours of any tile it stands on.
    QPen halo(QColor(255, 255, 255, 215), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(body, halo);
    p.fillPath(body.translated(0.8, 0.9), QColor(0, 0, 0, 60));

    QLinearGradient pewter(box.topLeft(), QPointF(box.left() + box.width() * 0.35, box.bottom()));
    pewter.setColorAt(0.0, QColor(246, 248, 250));
    pewter.setColorAt(0.3, QColor(196, 201, 207));
    pewter.setColorAt(0.62, QColor(150, 156, 163));
    pewter.setColorAt(1.0, QColor(96, 101, 108));
    p.fillPath(body, pewter);

    // Polished rim along the top left edges.
    p.save();
    p.setClipPath(body);
    p.strokePath(body.translated(0.7, 0.9), outline(1.1, QColor(255, 255, 255, 150)));
    p.strokePath(body.translated(-0.6, -0.8), outline(1.0, QColor(40, 44, 50, 90)));
    p.restore();

    p.strokePath(shapes::detail(which), outline(0.7, QColor(62, 66, 72)));
    p.strokePath(body, outline(1.0, QColor(30, 32, 36)));
}

void paintSwatch(QPainter &p, const QRectF &target, const QColor &colour)
{
    mapDesign(p, target, {44, 30});
    const QRectF card(3, 3, 38, 24);
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0, lighter(colour, 45));
    fill.setColorAt(0.5, colour);
    fill.setColorAt(1, darker(colour, 22));
    p.setPen(outline(1.2, darker(colour, 55)));
    p.setBrush(fill);
    p.drawRoundedRect(card, 5, 5);

    // Glossy highlight across the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(6, 5, 32, 9), 4, 4);
    QLinearGradient shine(0, 5, 0, 14);
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.fillPath(gloss, shine);
}

void paintPerson(QPainter &p, const QRectF &target)
{
    mapDesign(p, target, {40, 50});
    const QColor line(40, 36, 34);

    // Shoulders in a blue jacket with a white collar.
    QPainterPath jacket;
    jacket.moveTo(3, 48.5);
    jacket.quadTo(3, 33, 13, 31);
    jacket.quadTo(20, 29.5, 27, 31);
    jacket.quadTo(37, 33, 37, 48.5);
    jacket.closeSubpath();
    QLinearGradient blue(0, 30, 0, 49);
    blue.setColorAt(0, QColor(86, 130, 214));
    blue.setColorAt(1, QColor(34, 62, 140));
    p.setPen(outline(1.3, line));
    p.setBrush(blue);
    p.drawPath(jacket);

    QPainterPath collar;
    collar.moveTo(14, 31);
    collar.lineTo(20, 40);
    collar.lineTo(26, 31);
    collar.quadTo(20, 33.5, 14, 31);
    p.setBrush(Qt::white);
    p.drawPath(collar);

    // Neck and head.
    p.setBrush(QColor(238, 196, 160));
    p.drawRoundedRect(QRectF(16.5, 24, 7, 8), 2, 2);
    QRadialGradient skin(QPointF(17, 13), 12);
    skin.setColorAt(0, QColor(252, 222, 192));
    skin.setColorAt(1, QColor(226, 176, 136));
    p.setBrush(skin);
    p.drawEllipse(QRectF(10.5, 4.5, 19, 22));

    // Hair.
    QPainterPath hair;
    hair.moveTo(10.6, 14.5);
    hair.quadTo(10, 3.5, 20, 3.6);
    hair.quadTo(30.5, 3.5, 29.4, 14.5);
    hair.quadTo(27, 9.5, 22, 9.8);
    hair.quadTo(15, 9.5, 10.6, 14.5);
    p.setBrush(QColor(92, 58, 30));
    p.drawPath(hair);

    // Face: eyes and a smile.
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(16.6, 15.5), 1.1, 1.3);
    p.drawEllipse(QPointF(23.4, 15.5), 1.1, 1.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(1.0, line));
    p.drawArc(QRectF(16, 16.5, 8, 5.5), 200 * 16, 140 * 16);
}

void paintComputer(QPainter &p, const QRectF &target)
{
    mapDesign(p, target, {40, 50});
    const QColor line(40, 42, 46);
    const QColor beige(226, 222, 206);

    // System unit under the monitor, with a drive slot and a power light.
    p.setPen(outline(1.3, line));
    QLinearGradient caseFill(0, 38, 0, 48);
    caseFill.setColorAt(0, lighter(beige, 40));
    caseFill.setColorAt(1, darker(beige, 18));
    p.setBrush(caseFill);
    p.drawRoundedRect(QRectF(2, 38.5, 36, 10), 1.8, 1.8);
    p.setPen(outline(1.0, line));
    p.drawLine(QPointF(6, 43.5), QPointF(18, 43.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(33, 43.5), 1.4, 1.4);

    // Stand.
    p.setPen(outline(1.3, line));
    p.setBrush(darker(beige, 10));
    p.drawPolygon(QPolygonF({QPointF(16, 33), QPointF(24, 33), QPointF(26.5, 38.5), QPointF(13.5, 38.5)}));

    // Monitor and its screen.
    QLinearGradient bezel(0, 4, 0, 34);
    bezel.setColorAt(0, lighter(beige, 45));
    bezel.setColorAt(1, darker(beige, 12));
    p.setBrush(bezel);
    p.drawRoundedRect(QRectF(3, 4, 34, 30), 3, 3);
    QLinearGradient screen(7, 7.5, 30, 29);
    screen.setColorAt(0, QColor(120, 190, 250));
    screen.setColorAt(1, QColor(20, 64, 150));
    p.setBrush(screen);
    p.setPen(outline(1.0, line));
    p.drawRoundedRect(QRectF(7, 7.5, 26, 21.5), 1.5, 1.5);

    // A glint on the glass.
    QPainterPath glint;
    glint.moveTo(9, 10);
    glint.lineTo(18, 10);
    glint.lineTo(9, 19);
    glint.closeSubpath();
    p.fillPath(glint, QColor(255, 255, 255, 80));
}

} // namespace

const Art &piece(int number)
{
    static const std::array<Art, 6> pieces = [] {
        const char *names[] = {"Dog", "Car", "Battleship", "Hat", "Shoe", "Wheelbarrow"};
        std::array<Art, 6> made;
        for (int i = 0; i < 6; ++i) {
            const auto which = static_cast<shapes::Piece>(i + 1);
            made[i] = Art(QStringLiteral("piece:%1").arg(QLatin1String(names[i])), {44, 30},
                          [which](QPainter &p, const QRectF &r) { paintPiece(p, r, which); });
        }
        return made;
    }();
    return inRange(number, 1, 6) ? pieces[number - 1] : none();
}

const Art &colourSwatch(int number)
{
    static const std::array<Art, 6> swatches = [] {
        const char *names[] = {"Red", "Blue", "Green", "Yellow", "Orange", "Purple"};
        std::array<Art, 6> made;
        for (int i = 0; i < 6; ++i) {
            const QColor colour = playerColour(i);
            made[i] = Art(QStringLiteral("colour:%1").arg(QLatin1String(names[i])), {44, 30},
                          [colour](QPainter &p, const QRectF &r) { paintSwatch(p, r, colour); });
        }
        return made;
    }();
    return inRange(number, 1, 6) ? swatches[number - 1] : none();
}

const Art &playerType(int number)
{
    static const Art human(QStringLiteral("type:Human"), {40, 50}, paintPerson);
    static const Art computer(QStringLiteral("type:Computer"), {40, 50}, paintComputer);
    if (number == 1)
        return human;
    return number == 2 ? computer : none();
}

} // namespace tycora::art
