// The pictures the program carries for its start, rendered at build time,
// are pixel for pixel the pictures drawn by code.

#include "assets/art_catalog.h"
#include "toolkit/built_picture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

// The logo as it is drawn, on a transparent picture of the given size.
QImage drawnLogo(QSize size)
{
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter p(&drawn);
    art::logo().paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return drawn;
}

TEST(StartPictures, TheLogoAtItsOwnSizeIsTheDrawnLogo)
{
    const QImage built = ui::builtPicture(QStringLiteral(":/start-pictures/logo.argb"));
    ASSERT_EQ(built.size(), QSize(300, 92)) << "the program carries the logo";
    const QImage drawn = drawnLogo(QSize(300, 92));
    EXPECT_TRUE(built == drawn);
    // What the windows show at that size.
    EXPECT_TRUE(art::logo().image(QSize(300, 92)).convertToFormat(QImage::Format_ARGB32_Premultiplied) == drawn);
}

TEST(StartPictures, TheLogoAtOtherSizesIsDrawn)
{
    const QImage board = art::logo().image(QSize(433, 132)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_TRUE(board == drawnLogo(QSize(433, 132)));
}

TEST(StartPictures, AResourceOfTheWrongLengthGivesNoPicture)
{
    // The header says 300 x 92; the fonts are far longer than that.
    EXPECT_TRUE(ui::builtPicture(QStringLiteral(":/fonts/tahoma.ttf")).isNull());
    EXPECT_TRUE(ui::builtPicture(QStringLiteral(":/start-pictures/missing.argb")).isNull());
}

} // namespace
} // namespace tycora::app
