#include "app/heat_map_export.h"

#include "assets/game_charts.h"
#include "modules/program_modules.h"
#include "toolkit/fonts.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

namespace tycora::app {

namespace {

// Text needs the font database, which needs an application object; the
// simulation has none, so one without any display is made for the drawing.
class OffscreenApplication {
public:
    OffscreenApplication()
    {
        if (QCoreApplication::instance())
            return;
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 3;
    char name_[7] = "tycora";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char *argv_[4] = {name_, option_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

art::HeatMap mapOf(const std::array<int, 40> &landings, long long games)
{
    art::HeatMap map;
    map.title = games == 1 ? QCoreApplication::translate("HeatMapExport", "Landings in One Game")
                           : QCoreApplication::translate("HeatMapExport", "Landings in %1 Games").arg(games);
    map.legend = QCoreApplication::translate("HeatMapExport", "Landings");
    map.counts = landings;
    return map;
}

} // namespace

std::string svgFileFor(const std::string &pngFile)
{
    return pngFile.substr(0, pngFile.size() - std::min<std::size_t>(pngFile.size(), 4)) + ".svg";
}

std::string exportHeatMap(const std::array<int, 40> &landings, long long games, const std::string &pngFile)
{
    const OffscreenApplication app;
    ui::registerEmbeddedFonts();
    const art::HeatMap map = mapOf(landings, games);

    // Twice the design size, sharp enough to print.
    const QSize size = (art::HeatMapDesign * 2).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        art::drawHeatMap(p, QRectF(QPointF(0, 0), QSizeF(size)), map);
    }
    const QString png = QString::fromStdString(pngFile);
    if (!image.save(png, "PNG"))
        return "cannot write the heat map to " + pngFile;

    const std::string svgFile = svgFileFor(pngFile);
    const QString svg = QString::fromStdString(svgFile);
    using WriteSvg = bool(const QString &, const QSizeF &, const QString &,
                          const std::function<void(QPainter &, const QRectF &)> &);
    QString why;
    WriteSvg *const writeSvg = modules::moduleFunctionAs<WriteSvg>(QStringLiteral("tycora_svg"), "tycoraWriteSvg", &why);
    if (!writeSvg)
        return "cannot write the heat map to " + svgFile + ": " + why.toStdString();
    const bool written = writeSvg(svg, art::HeatMapDesign, map.title,
                                  [&map](QPainter &p, const QRectF &box) { art::drawHeatMap(p, box, map); });
    if (!written || QFileInfo(svg).size() <= 0)
        return "cannot write the heat map to " + svgFile;
    return {};
}

} // namespace tycora::app
