// Writes a drawing as an SVG file: a module of the program's own
// (modules/program_modules.h), so that Qt's SVG library is loaded only
// when the simulation writes its heat map.

#include <QPainter>
#include <QSvgGenerator>

#include <functional>

extern "C" Q_DECL_EXPORT bool tycoraWriteSvg(const QString &file, const QSizeF &design, const QString &title,
                                             const std::function<void(QPainter &, const QRectF &)> &draw)
{
    QSvgGenerator generator;
    generator.setFileName(file);
    generator.setSize(design.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), design));
    generator.setTitle(title);
    QPainter p;
    if (!p.begin(&generator))
        return false;
    draw(p, QRectF(QPointF(0, 0), design));
    return p.end();
}
