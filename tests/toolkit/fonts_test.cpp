// The embedded faces as a person sees them: bold captions are drawn with
// heavier strokes than regular ones at every size the windows use, on a
// plain screen and on one of twice the pixel density.

#include "toolkit/font_data.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

// The label rendered as the screen would show it at a device pixel ratio,
// black on white.
QImage rendered(const QString &caption, const QFont &font, qreal dpr)
{
    Label label(nullptr, caption);
    label.setFont(font);
    label.setAutoSize(true);
    label.setForeColour(Qt::black);
    label.setBackColour(Qt::white);
    QImage image((QSizeF(label.size()) * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    label.render(&image);
    return image;
}

// Darkness summed over every pixel (a fully black pixel counts 1), so thin
// grey edges and solid strokes are weighed alike at any density.
double ink(const QImage &image)
{
    double total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            total += 1.0 - qGray(image.pixel(x, y)) / 255.0;
    return total;
}

struct Caption {
    const char *text;
    double points;
};

// The bold captions of the game's windows, at their own sizes.
const Caption BoldCaptions[] = {
    {"Roll Dice", 9},
    {"Current Player:", 11.25},
    {"Player Info", 9.75},
    {"Player List", 9.75},
    {"Options", 9.75},
    {"Add Player", 8.25},
};

TEST(Fonts, BoldCaptionsCarryClearlyMoreInkThanRegularOnes)
{
    for (const qreal dpr : {1.0, 2.0}) {
        for (const Caption &c : BoldCaptions) {
            SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.points) + " pt, ratio " + std::to_string(dpr));
            const QString text = QString::fromLatin1(c.text);
            const double regular = ink(rendered(text, tahoma(c.points), dpr));
            const double bold = ink(rendered(text, tahoma(c.points, true), dpr));
            ASSERT_GT(regular, 0);
            EXPECT_GT(bold, 1.3 * regular) << "regular " << regular << ", bold " << bold;
        }
    }
}

// The bold face as it is shipped, before the program thickens its strokes.
QRawFont shippedBold(int pixels)
{
    QFile file(QStringLiteral(":/fonts/tahomabd.ttf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QRawFont(file.readAll(), pixels);
}

TEST(Fonts, ThickerBoldStrokesKeepEveryCaptionsWidthAndPlace)
{
    const QString text = QStringLiteral("Current Player: Roll Dice Options lI1 Wg");
    for (const int pixels : {11, 12, 13, 15, 24, 200}) {
        SCOPED_TRACE(pixels);
        const QRawFont shipped = shippedBold(pixels);
        QFont font = tahoma(9, true);
        font.setPixelSize(pixels);
        const QRawFont loaded = QRawFont::fromFont(font);
        ASSERT_TRUE(shipped.isValid() && loaded.isValid());
        const QList<quint32> glyphs = shipped.glyphIndexesForString(text);
        ASSERT_EQ(loaded.glyphIndexesForString(text), glyphs);
        EXPECT_EQ(loaded.advancesForGlyphIndexes(glyphs), shipped.advancesForGlyphIndexes(glyphs));
        if (pixels < 200)
            continue;
        // Each letter still starts where it did and stands on the baseline;
        // only its strokes are heavier.
        for (const quint32 glyph : glyphs) {
            const QRectF before = shipped.pathForGlyph(glyph).boundingRect();
            const QRectF after = loaded.pathForGlyph(glyph).boundingRect();
            if (before.isEmpty())
                continue;
            EXPECT_NEAR(after.left(), before.left(), 0.5) << glyph;
            EXPECT_NEAR(after.bottom(), before.bottom(), 0.5) << glyph;
        }
        // Upright stems are the stroke heavier in width.
        for (const quint32 glyph : shipped.glyphIndexesForString(QStringLiteral("lIH"))) {
            const QRectF before = shipped.pathForGlyph(glyph).boundingRect();
            const QRectF after = loaded.pathForGlyph(glyph).boundingRect();
            EXPECT_NEAR(after.width() - before.width(), fontdata::TahomaBoldStroke * pixels, 0.5) << glyph;
        }
    }
}

QByteArray resource(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(Fonts, TheEmbeddedBoldFaceIsTheShippedOneMadeOverAtBuildTime)
{
    // Byte for byte what the program made of the shipped face at every
    // start before the build took it over.
    const QByteArray shipped = resource(QStringLiteral(":/fonts/tahomabd.ttf"));
    const QByteArray embedded = resource(QStringLiteral(":/fonts/tahomabd-thickened.ttf"));
    ASSERT_FALSE(shipped.isEmpty());
    EXPECT_NE(embedded, shipped);
    EXPECT_TRUE(embedded ==
                fontdata::withThickerOutlines(fontdata::withoutBitmapStrikes(shipped), fontdata::TahomaBoldStroke));
}

TEST(Fonts, BoldAndRegularAreTheEmbeddedTahoma)
{
    for (const bool bold : {false, true}) {
        const QFontInfo info(tahoma(9, bold));
        EXPECT_EQ(info.family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(info.bold(), bold);
        EXPECT_EQ(info.pixelSize(), 12);
    }
}

} // namespace
} // namespace tycora::ui
