// The game's title logo and the application icon.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/piece_shapes.h"

#include <QPainter>

namespace tycora::art {

using namespace kit;

namespace {

const QColor BannerRed(200, 26, 24);

// A ribbon end folded behind the banner; mirrored for the right side.
QPainterPath ribbonTail(bool right)
{
    QPainterPath tail;
    tail.moveTo(34, 26);
    tail.lineTo(2, 26);
    tail.lineTo(13, 51);
    tail.lineTo(2, 76);
    tail.lineTo(34, 76);
    tail.closeSubpath();
    if (!right)
        return tail;
    QTransform mirror;
    mirror.translate(300, 0);
    mirror.scale(-1, 1);
    return mirror.map(tail);
}

void paintLogo(QPainter &p, const QRectF &target)
{
    mapDesign(p, target, {300, 92});

    // Tails first, then the dark fold where they tuck under the band.
    for (bool right : {false, true}) {
        p.setPen(outline(2.0));
        p.setBrush(darker(BannerRed, 30));
        p.drawPath(ribbonTail(right));
        QPainterPath fold;
        const qreal x = right ? 266 : 34;
        const qreal inner = right ? 254 : 46;
        fold.moveTo(x, 76);
        fold.lineTo(inner, 86);
        fold.lineTo(inner, 76);
        fold.closeSubpath();
        p.setBrush(darker(BannerRed, 60));
        p.drawPath(fold);
    }

    // The band.
    const QRectF band(26, 6, 248, 70);
    QLinearGradient red(band.topLeft(), band.bottomLeft());
    red.setColorAt(0, lighter(BannerRed, 35));
    red.setColorAt(0.5, BannerRed);
    red.setColorAt(1, darker(BannerRed, 25));
    p.setPen(outline(2.2));
    p.setBrush(red);
    p.drawRoundedRect(band, 6, 6);
    p.setPen(outline(1.4, QColor(255, 214, 90)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(band.adjusted(5, 5, -5, -5), 3, 3);

    // The name: white capitals with a dark outline and a cast shadow.
    TextFit fit;
    fit.capHeight = 44;
    fit.minCondense = 0.9;
    const QRectF letters(42, 18, 216, 46);
    textBlock(p, letters.translated(3, 3.5), {QStringLiteral("TYCORA")}, fit, QColor(40, 6, 6, 170),
              outline(5, QColor(40, 6, 6, 170)));
    QLinearGradient white(0, letters.top(), 0, letters.bottom());
    white.setColorAt(0, Qt::white);
    white.setColorAt(1, QColor(255, 236, 190));
    textBlock(p, letters, {QStringLiteral("TYCORA")}, fit, white, outline(4, ink()));
}

void paintIcon(QPainter &p, const QRectF &target)
{
    // Fine detail only where there are pixels enough to show it.
    const bool small = std::min(target.width(), target.height()) < 40;
    mapFitted(p, target, {64, 64});
    const QRectF tile(2, 2, 60, 60);
    QPainterPath shape;
    shape.addRoundedRect(tile, 11, 11);

    QLinearGradient ground(tile.topLeft(), tile.bottomLeft());
    ground.setColorAt(0, lighter(boardGreen(), 30));
    ground.setColorAt(1, darker(boardGreen(), 10));
    p.fillPath(shape, ground);
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(0, 0, 64, 19), BannerRed);
    p.setPen(outline(small ? 3 : 2));
    p.drawLine(QPointF(0, 19), QPointF(64, 19));
    p.restore();
    p.strokePath(shape, outline(small ? 4 : 2.5));

    TextFit fit;
    fit.capHeight = small ? 36 : 32;
    const QRectF letter = small ? QRectF(10, 23, 44, 36) : QRectF(10, 26, 30, 32);
    textBlock(p, letter, {QStringLiteral("T")}, fit, BannerRed, outline(small ? 4 : 3, ink()));

    if (!small) {
        // A silver top hat beside the letter.
        using shapes::Piece;
        p.save();
        p.translate(33, 33);
        p.scale(0.62, 0.8);
        const QPainterPath hat = shapes::silhouette(Piece::Hat);
        p.fillPath(hat, metal(hat.boundingRect(), QColor(150, 156, 164)));
        p.strokePath(shapes::detail(Piece::Hat), outline(1.0, QColor(60, 64, 70)));
        p.strokePath(hat, outline(1.8));
        p.restore();
    }
}

} // namespace

const Art &logo()
{
    // The menu shows it at its own size as the program starts, so the
    // program carries that rendering, made at build time (app/start_pictures).
    static const Art art(QStringLiteral("logo:Tycora"), {300, 92}, paintLogo, QStringLiteral(":/start-pictures/logo.argb"));
    return art;
}

const Art &appIcon()
{
    static const Art art(QStringLiteral("icon:Tycora"), {256, 256}, paintIcon);
    return art;
}

} // namespace tycora::art
