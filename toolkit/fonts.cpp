#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QResource>
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

// The faces are stored uncompressed (see CMakeLists.txt), so they are
// registered from the program's own memory rather than from a copy.
int addEmbeddedFace(const QString &resource)
{
    return QFontDatabase::addApplicationFontFromData(QResource(resource).uncompressedData());
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
    tahomaFamily = familyOf(addEmbeddedFace(QStringLiteral(":/fonts/tahoma.ttf")), tahomaFamily);
    // The bold face's own outlines and bitmap strikes are regular in weight;
    // the build made it over with thickened outlines and no strikes.
    addEmbeddedFace(QStringLiteral(":/fonts/tahomabd-thickened.ttf"));
    comicFamily = familyOf(addEmbeddedFace(QStringLiteral(":/fonts/ComicNeue-Bold.otf")), comicFamily);
    addEmbeddedFace(QStringLiteral(":/fonts/ComicNeue-Regular.otf"));
}

QFont tahoma(double points, bool bold) { return sized(tahomaFamily, points, bold); }

QFont comicSans(double points, bool bold) { return sized(comicFamily, points, bold); }

} // namespace tycora::ui
