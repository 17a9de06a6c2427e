#include "assets/art_kit.h"

#include "game/palette.h"
#include "toolkit/font_data.h"
#include "toolkit/fonts.h"

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace tycora::art::kit {

QColor ink() { return QColor(24, 28, 26); }

QColor groupColour(int group) { return toQColor(groupShade(group)); }

QColor playerColour(int index) { return toQColor(strongShade(index)); }

QColor lighter(const QColor &c, int percent)
{
    const qreal t = percent / 100.0;
    return QColor::fromRgbF(c.redF() + (1 - c.redF()) * t, c.greenF() + (1 - c.greenF()) * t,
                            c.blueF() + (1 - c.blueF()) * t, c.alphaF());
}

QColor darker(const QColor &c, int percent)
{
    const qreal t = 1 - percent / 100.0;
    return QColor::fromRgbF(c.redF() * t, c.greenF() * t, c.blueF() * t, c.alphaF());
}

void mapDesign(QPainter &p, const QRectF &target, QSizeF design)
{
    p.translate(target.topLeft());
    p.scale(target.width() / design.width(), target.height() / design.height());
}

void mapFitted(QPainter &p, const QRectF &box, QSizeF design)
{
    const qreal scale = std::min(box.width() / design.width(), box.height() / design.height());
    p.translate(box.center().x() - design.width() * scale / 2, box.center().y() - design.height() * scale / 2);
    p.scale(scale, scale);
}

QPen outline(qreal width, const QColor &colour)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient metal(const QRectF &box, const QColor &base)
{
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, lighter(base, 70));
    g.setColorAt(0.35, lighter(base, 25));
    g.setColorAt(0.6, base);
    g.setColorAt(1.0, darker(base, 35));
    return g;
}

namespace {

constexpr qreal ReferencePixels = 200;

QFont referenceFont(bool bold, Face face)
{
    QFont f = face == Face::Comic ? ui::comicSans(10, bold) : ui::tahoma(10, bold);
    f.setPixelSize(static_cast<int>(ReferencePixels));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

qreal referenceCapHeight(bool bold, Face face)
{
    QPainterPath h;
    h.addText(QPointF(0, 0), referenceFont(bold, face), QStringLiteral("H"));
    const qreal measured = -h.boundingRect().top();
    return measured > 0 ? measured : ReferencePixels * 0.72;
}

// The stroke still to add round the letters, in cap heights: what the fit
// asks for less what the face already carries. The game loads Tahoma Bold
// with thickened strokes, so its letters need less added weight than
// Comic Neue's.
qreal extraWeight(const TextFit &fit)
{
    qreal builtIn = 0;
    if (fit.bold && fit.face == Face::Tahoma)
        builtIn = ui::fontdata::TahomaBoldStroke * ReferencePixels / referenceCapHeight(true, Face::Tahoma);
    return std::clamp(fit.weight - builtIn, 0.0, 0.3);
}

struct PathKey {
    QString text;
    bool bold;
    Face face;
    friend bool operator==(const PathKey &a, const PathKey &b)
    {
        return a.text == b.text && a.bold == b.bold && a.face == b.face;
    }
};

size_t qHash(const PathKey &k, size_t seed = 0)
{
    return ::qHash(k.text, seed) ^ (k.bold ? 0x9e37 : 0) ^ (static_cast<size_t>(k.face) << 4);
}

} // namespace

QPainterPath capsPath(const QString &text, bool bold, Face face)
{
    // Paths are asked for on every paint, so keep the few dozen texts made.
    thread_local QHash<PathKey, QPainterPath> made;
    const PathKey key{text, bold, face};
    if (auto it = made.constFind(key); it != made.constEnd())
        return *it;
    QPainterPath path;
    path.addText(QPointF(0, 0), referenceFont(bold, face), text);
    const qreal cap = referenceCapHeight(bold, face);
    QTransform t;
    t.scale(1 / cap, 1 / cap);
    t.translate(-path.boundingRect().left(), 0);
    path = t.map(path);
    made.insert(key, path);
    return path;
}

qreal capsWidth(const QString &text, bool bold, Face face)
{
    return text.trimmed().isEmpty() ? 0 : capsPath(text, bold, face).boundingRect().width();
}

qreal textBlock(QPainter &p, const QRectF &box, const QStringList &lines, const TextFit &fit, const QBrush &fill,
                const QPen &stroke)
{
    const int n = static_cast<int>(lines.size());
    if (n == 0 || box.isEmpty())
        return 0;
    std::vector<qreal> widths;
    qreal widest = 0;
    for (const QString &line : lines) {
        widths.push_back(capsWidth(line, fit.bold, fit.face));
        widest = std::max(widest, widths.back());
    }
    // The stroke that thickens the letters adds weight * cap to every
    // extent, so the glyphs themselves are drawn that much smaller.
    const qreal weight = extraWeight(fit);
    const auto inkWidth = [&](qreal w, qreal cap, qreal squeeze) { return w * cap * (1 - weight) * squeeze + weight * cap; };
    qreal cap = std::min(fit.capHeight, box.height() / (n + (n - 1) * fit.lineGap));
    if (inkWidth(widest, cap, fit.minCondense) > box.width())
        cap = box.width() / (widest * (1 - weight) * fit.minCondense + weight);

    const qreal blockHeight = cap * (n + (n - 1) * fit.lineGap);
    qreal top = box.top() + (box.height() - blockHeight) / 2;
    if (fit.align & Qt::AlignTop)
        top = box.top();
    else if (fit.align & Qt::AlignBottom)
        top = box.bottom() - blockHeight;

    const qreal thicken = weight * cap;
    const qreal glyphCap = cap - thicken;
    p.save();
    for (int i = 0; i < n; ++i) {
        const qreal natural = inkWidth(widths[i], cap, 1);
        const qreal squeeze = natural > box.width() ? (box.width() - thicken) / (natural - thicken) : 1.0;
        const qreal width = inkWidth(widths[i], cap, squeeze);
        qreal left = box.left() + (box.width() - width) / 2;
        if (fit.align & Qt::AlignLeft)
            left = box.left();
        else if (fit.align & Qt::AlignRight)
            left = box.right() - width;
        const qreal baseline = top + cap + i * (1 + fit.lineGap) * cap - thicken / 2;
        QTransform t;
        t.translate(left + thicken / 2, baseline);
        t.scale(glyphCap * squeeze, glyphCap);
        const QPainterPath path = t.map(capsPath(lines[i], fit.bold, fit.face));
        if (stroke.style() != Qt::NoPen) {
            QPen around = stroke;
            around.setWidthF(stroke.widthF() + thicken);
            around.setJoinStyle(Qt::RoundJoin);
            p.strokePath(path, around);
        }
        if (thicken > 0) {
            QPen heavy(fill, thicken);
            heavy.setJoinStyle(Qt::RoundJoin);
            p.strokePath(path, heavy);
        }
        p.fillPath(path, fill);
    }
    p.restore();
    return cap;
}

namespace {

// Greedy line breaking of the words at a width limit (in cap heights);
// forced breaks at '\n' are kept.
QStringList breakLines(const QString &text, qreal limit, const TextFit &fit, bool *fits)
{
    QStringList lines;
    *fits = true;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (capsWidth(word, fit.bold, fit.face) > limit)
                *fits = false;
            const QString tried = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && capsWidth(tried, fit.bold, fit.face) > limit) {
                lines << line;
                line = word;
            } else {
                line = tried;
            }
        }
        lines << line;
    }
    return lines;
}

} // namespace

Wrapped wrapToFit(const QString &text, const QRectF &box, qreal maxCap, qreal minCap, const TextFit &fit)
{
    Wrapped best;
    for (qreal cap = maxCap; cap >= minCap - 1e-6; cap -= 0.25) {
        // The widest line, in unthickened cap heights, that still fits the box.
        const qreal weight = extraWeight(fit);
        const qreal limit = (box.width() / cap - weight) / (1 - weight);
        bool fits = false;
        QStringList lines = breakLines(text, limit, fit, &fits);
        const int n = static_cast<int>(lines.size());
        const bool tallEnough = cap * (n + (n - 1) * fit.lineGap) <= box.height();
        best = {lines, cap};
        if (!fits || !tallEnough)
            continue;
        // Even out the rag: the narrowest limit that keeps the same number of lines.
        qreal lo = 0.5 * limit, hi = limit;
        for (int step = 0; step < 14; ++step) {
            const qreal mid = (lo + hi) / 2;
            bool midFits = false;
            if (breakLines(text, mid, fit, &midFits).size() == lines.size() && midFits)
                hi = mid;
            else
                lo = mid;
        }
        best.lines = breakLines(text, hi, fit, &fits);
        return best;
    }
    return best;
}

Wrapped largestLines(const QString &text, const QRectF &box, const TextFit &fit, int maxLines)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int n = static_cast<int>(words.size());
    if (n == 0 || box.isEmpty())
        return {};
    const qreal weight = extraWeight(fit);
    // How a way of breaking the lines ranks: by how large its letters look,
    // the cap height weighed with the squeeze of its longest line (a line
    // squeezed to half its width reads like one about 70% as high); then by
    // fewer lines; then by a narrower longest line.
    struct Rank {
        qreal size = -1;
        int lines = 0;
        qreal widest = 0;
        bool beats(const Rank &other) const
        {
            if (std::abs(size - other.size) > 0.05)
                return size > other.size;
            if (lines != other.lines)
                return lines < other.lines;
            return widest < other.widest;
        }
    };
    Wrapped best;
    Rank bestRank;
    // Bit i of a split set: a line break after word i.
    for (unsigned split = 0; split < (1u << (n - 1)); ++split) {
        QStringList lines{words[0]};
        for (int i = 1; i < n; ++i) {
            if (split & (1u << (i - 1)))
                lines << words[i];
            else
                lines.last() += QLatin1Char(' ') + words[i];
        }
        const int count = static_cast<int>(lines.size());
        if (count > std::max(maxLines, 1))
            continue;
        qreal widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, capsWidth(line, fit.bold, fit.face));
        const qreal byHeight = box.height() / (count + (count - 1) * fit.lineGap);
        const qreal byWidth = box.width() / (widest * (1 - weight) * fit.minCondense + weight);
        const qreal cap = std::min({fit.capHeight, byHeight, byWidth});
        const qreal natural = widest * cap * (1 - weight) + weight * cap;
        const qreal squeeze = natural > box.width() ? (box.width() - weight * cap) / (natural - weight * cap) : 1.0;
        const Rank rank{cap * std::sqrt(squeeze), count, widest};
        if (rank.beats(bestRank)) {
            best = {lines, cap};
            bestRank = rank;
        }
    }
    return best;
}

const ui::Art &none()
{
    static const ui::Art null;
    return null;
}

bool inRange(int n, int lo, int hi) { return n >= lo && n <= hi; }

} // namespace tycora::art::kit
