#include "toolkit/art.h"

#include "toolkit/built_picture.h"

#include <QIconEngine>
#include <QPainter>

#include <vector>

namespace tycora::ui {

struct Art::Data {
    QString name;
    QSize nominal;
    PaintFunction paint;
    QString builtPicture;
    mutable std::vector<QPixmap> cache;   // a few rendered sizes, newest last
};

namespace {

// Lets combo boxes and list views draw an Art at whatever size they need.
class ArtIconEngine final : public QIconEngine {
public:
    explicit ArtIconEngine(Art art) : art_(std::move(art)) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        art_.paint(*painter, fitted(rect));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The window system asks for the same sizes more than once (each
        // window's icon is set as it is made and again as it is shown).
        for (const QPixmap &made : made_)
            if (made.size() == size)
                return made;
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        art_.paint(p, fitted(QRect(QPoint(0, 0), size)));
        p.end();
        constexpr std::size_t kept = 8;
        if (made_.size() >= kept)
            made_.erase(made_.begin());
        made_.push_back(pm);
        return pm;
    }
    QIconEngine *clone() const override { return new ArtIconEngine(art_); }

private:
    // Keeps the picture's proportions inside the rectangle.
    QRectF fitted(const QRect &rect) const
    {
        QSizeF s = art_.size();
        s.scale(rect.size(), Qt::KeepAspectRatio);
        return QRectF(rect.x() + (rect.width() - s.width()) / 2, rect.y() + (rect.height() - s.height()) / 2,
                      s.width(), s.height());
    }
    Art art_;
    std::vector<QPixmap> made_;   // sizes already drawn, newest last
};

} // namespace

Art::Art(QString name, QSize nominal, PaintFunction paint) : Art(std::move(name), nominal, std::move(paint), QString())
{
}

Art::Art(QString name, QSize nominal, PaintFunction paint, QString builtPicture)
    : d_(std::make_shared<Data>(Data{std::move(name), nominal, std::move(paint), std::move(builtPicture), {}}))
{
}

QString Art::name() const { return d_ ? d_->name : QString(); }

QSize Art::size() const { return d_ ? d_->nominal : QSize(); }

void Art::paint(QPainter &painter, const QRectF &target) const
{
    if (!d_ || !d_->paint || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    d_->paint(painter, target);
    painter.restore();
}

QPixmap Art::pixmap(QSize logicalSize, qreal dpr) const
{
    if (!d_ || logicalSize.isEmpty())
        return {};
    const QSize device = (QSizeF(logicalSize) * dpr).toSize();
    for (const QPixmap &pm : d_->cache) {
        if (pm.size() == device && pm.devicePixelRatio() == dpr)
            return pm;
    }
    QPixmap pm;
    if (device == d_->nominal && dpr == 1.0 && !d_->builtPicture.isEmpty()) {
        const QImage built = builtPicture(d_->builtPicture);
        if (built.size() == device)
            pm = QPixmap::fromImage(built);
    }
    if (pm.isNull()) {
        pm = QPixmap(device);
        pm.setDevicePixelRatio(dpr);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(p, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    constexpr std::size_t kept = 4;
    if (d_->cache.size() >= kept)
        d_->cache.erase(d_->cache.begin());
    d_->cache.push_back(pm);
    return pm;
}

QImage Art::image(QSize logicalSize, qreal dpr) const { return pixmap(logicalSize, dpr).toImage(); }

QIcon Art::icon() const { return d_ ? QIcon(new ArtIconEngine(*this)) : QIcon(); }

} // namespace tycora::ui
