// The icon the program sets is, pixel for pixel, the drawn icon.

#include "app/app_icon.h"
#include "assets/art_catalog.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

TEST(AppIcon, EverySizeTheWindowSystemSetsIsTheDrawnIcon)
{
    const QIcon icon = builtAppIcon();
    for (const int size : AppIconSizes) {
        const QImage built = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = art::appIcon().image(QSize(size, size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(built.size(), QSize(size, size));
        EXPECT_TRUE(built == drawn) << size << " pixels";
    }
}

} // namespace
} // namespace tycora::app
