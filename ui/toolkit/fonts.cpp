#include "ui/toolkit/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace tycora::ui {

namespace {

QString tahomaFamily = QStringLiteral("Tahoma");
QString comicFamily = QStringLiteral("Comic Neue");

QString familyOf(int id, const QString &fallback)
{
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? fallback : families.first();
}

QFont sized(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace

void registerEmbeddedFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    tahomaFamily = familyOf(QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahoma.ttf")), tahomaFamily);
    // The bold face's own outlines and bitmap strikes are regular in weight;
    // the build made it over with thickened outlines and no strikes.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/tahomabd-thickened.ttf"));
    comicFamily = familyOf(QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ComicNeue-Bold.otf")), comicFamily);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ComicNeue-Regular.otf"));
}

QFont tahoma(double points, bool bold) { return sized(tahomaFamily, points, bold); }

QFont comicSans(double points, bool bold) { return sized(comicFamily, points, bold); }

} // namespace tycora::ui
