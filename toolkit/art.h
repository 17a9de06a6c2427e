#pragma once

// A picture drawn by code: it paints itself into any rectangle, so it stays
// crisp at every size and screen scale. Copies share one drawing, and two
// Art values are equal when they are the same drawing, which is how a
// picture "copied from another control" is recognised.

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QRectF;

namespace tycora::ui {

class Art {
public:
    using PaintFunction = std::function<void(QPainter &painter, const QRectF &target)>;

    Art() = default;
    // nominal: the picture's own size in pixels; name: what it shows, for
    // tests and diagnostics ("piece:Hat").
    Art(QString name, QSize nominal, PaintFunction paint);
    // builtPicture: a resource holding the picture as pixmap() makes it at
    // its own size for a device pixel ratio of 1, rendered at build time
    // (see built_picture.h); at that size it is copied instead of drawn.
    // Where the program carries no such resource, the picture is drawn.
    Art(QString name, QSize nominal, PaintFunction paint, QString builtPicture);

    bool isNull() const { return !d_; }
    QString name() const;
    QSize size() const;

    void paint(QPainter &painter, const QRectF &target) const;
    // Rendered at a logical size for a device pixel ratio; kept for reuse.
    QPixmap pixmap(QSize logicalSize, qreal devicePixelRatio) const;
    QIcon icon() const;
    QImage image(QSize logicalSize, qreal devicePixelRatio = 1.0) const;

    friend bool operator==(const Art &a, const Art &b) { return a.d_ == b.d_; }

private:
    struct Data;
    std::shared_ptr<Data> d_;
};

} // namespace tycora::ui
