#include "assets/game_charts.h"

#include "assets/art_kit.h"
#include "game/game_state.h"
#include "game/palette.h"
#include "game/square_table.h"
#include "game/text.h"
#include "toolkit/fonts.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tycora::art {

namespace {

using kit::ink;
using kit::toQColor;

QFont designFont(qreal pixels, bool bold = false)
{
    QFont f = ui::tahoma(8, bold);
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    return f;
}

QColor paper() { return Qt::white; }
QColor gridGrey() { return QColor(216, 216, 216); }

// A step of 1, 2, 2.5 or 5 times a power of ten that cuts range into about
// `parts` pieces.
double niceStep(double range, int parts)
{
    if (range <= 0)
        return 1;
    const double raw = range / parts;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= m * magnitude)
            return std::max(1.0, m * magnitude);
    return 10 * magnitude;
}

void drawTitle(QPainter &p, const QRectF &box, const QString &title)
{
    p.setPen(ink());
    p.setFont(designFont(13, true));
    p.drawText(box, Qt::AlignCenter, title);
}

void drawCross(QPainter &p, QPointF at, qreal size)
{
    p.setPen(kit::outline(2.2, ink()));
    p.drawLine(at + QPointF(-size, -size), at + QPointF(size, size));
    p.drawLine(at + QPointF(-size, size), at + QPointF(size, -size));
}

QString moneyLabel(double value) { return ui::qmoney(std::llround(value)); }

} // namespace

void drawLineChart(QPainter &p, const QRectF &target, const LineChart &chart)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The design keeps its width and takes the box's proportions, so that a
    // taller box gets a taller plot rather than taller letters.
    const qreal width = LineChartDesign.width();
    const qreal height = target.width() > 0 ? std::max(LineChartDesign.height() * 0.75, width * target.height() / target.width())
                                             : LineChartDesign.height();
    kit::mapFitted(p, target, QSizeF(width, height));
    p.setPen(kit::outline(1));
    p.setBrush(paper());
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    drawTitle(p, QRectF(0, 4, width, 22), chart.title);

    const QRectF plot(60, 34, 290, height - 74);
    std::size_t samples = 1;
    int lo = 0, hi = 0;
    for (const ChartLine &line : chart.lines) {
        samples = std::max(samples, line.values.size());
        for (const int v : line.values) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    const double yStep = niceStep(std::max(1, hi - lo), 5);
    const double yLo = std::floor(lo / yStep) * yStep;
    const double yHi = std::max(yLo + yStep, std::ceil(hi / yStep) * yStep);
    const double xLast = std::max<double>(1, double(samples - 1));
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / xLast,
                       plot.bottom() - plot.height() * (y - yLo) / (yHi - yLo));
    };

    // The grid and its figures.
    p.setFont(designFont(10));
    for (double y = yLo; y <= yHi + yStep / 2; y += yStep) {
        const QPointF left = at(0, y);
        p.setPen(QPen(y == 0 ? ink() : gridGrey(), y == 0 ? 1 : 0.8));
        p.drawLine(left, QPointF(plot.right(), left.y()));
        p.setPen(ink());
        p.drawText(QRectF(0, left.y() - 7, plot.left() - 5, 14), Qt::AlignRight | Qt::AlignVCenter, moneyLabel(y));
    }
    const double xStep = niceStep(xLast, 6);
    for (double x = 0; x <= xLast + 0.5; x += xStep) {
        const QPointF bottom = at(x, yLo);
        p.setPen(QPen(gridGrey(), 0.8));
        p.drawLine(bottom, QPointF(bottom.x(), plot.top()));
        p.setPen(ink());
        p.drawText(QRectF(bottom.x() - 30, plot.bottom() + 3, 60, 13), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(std::llround(x)));
    }
    p.setPen(kit::outline(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.drawText(QRectF(plot.left(), plot.bottom() + 17, plot.width(), 14), Qt::AlignCenter, chart.xCaption);

    // The lines, then the crosses over them.
    p.save();
    p.setClipRect(plot.adjusted(-3, -3, 3, 3));
    for (const ChartLine &line : chart.lines) {
        if (line.values.empty())
            continue;
        QPainterPath path(at(0, line.values[0]));
        for (std::size_t n = 1; n < line.values.size(); ++n)
            path.lineTo(at(double(n), line.values[n]));
        QPen pen(line.colour, 2);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawPath(path);
    }
    bool anyBankrupt = false;
    for (const ChartLine &line : chart.lines) {
        if (line.bankruptAt < 0 || std::size_t(line.bankruptAt) >= line.values.size())
            continue;
        anyBankrupt = true;
        drawCross(p, at(line.bankruptAt, line.values[std::size_t(line.bankruptAt)]), 4.5);
    }
    p.restore();

    // The legend: a stroke of each colour with its player's name.
    const QRectF legend(362, 34, 108, 16.0 * (chart.lines.size() + (anyBankrupt ? 1 : 0)) + 8);
    p.setPen(kit::outline(0.8));
    p.setBrush(paper());
    p.drawRect(legend);
    p.setFont(designFont(10.5));
    qreal y = legend.top() + 12;
    for (const ChartLine &line : chart.lines) {
        p.setPen(QPen(line.colour, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(legend.left() + 7, y), QPointF(legend.left() + 25, y));
        p.setPen(ink());
        p.drawText(QRectF(legend.left() + 31, y - 8, legend.width() - 34, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(line.name, Qt::ElideRight, int(legend.width() - 34)));
        y += 16;
    }
    if (anyBankrupt) {
        drawCross(p, QPointF(legend.left() + 16, y), 4);
        p.setPen(ink());
        p.drawText(QRectF(legend.left() + 31, y - 8, legend.width() - 34, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("GameCharts", "Bankrupt"));
    }
    p.restore();
}

namespace {

constexpr qreal Cell = 40;   // a square of the small board, in design units

QPointF cellOf(int square)
{
    const int s = std::clamp(square, 0, BoardSize - 1);
    int col = 0, row = 0;
    if (s <= 10) {
        col = 10 - s;
        row = 10;
    } else if (s <= 20) {
        col = 0;
        row = 10 - (s - 10);
    } else if (s <= 30) {
        col = s - 20;
        row = 0;
    } else {
        col = 10;
        row = s - 30;
    }
    return {col * Cell, row * Cell};
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QString countText(int count, bool money) { return money ? ui::qmoney(count) : QString::number(count); }

} // namespace

QColor heatColour(int count, int smallest, int largest)
{
    const double t = largest > smallest ? std::clamp(double(count - smallest) / (largest - smallest), 0.0, 1.0) : 0.0;
    const double scaled = t * double(HeatScale.size() - 1);
    const std::size_t stop = std::min<std::size_t>(std::size_t(scaled), HeatScale.size() - 2);
    return mix(toQColor(HeatScale[stop]), toQColor(HeatScale[stop + 1]), scaled - double(stop));
}

QRectF heatMapSquare(const QRectF &target, int square)
{
    const qreal scale = std::min(target.width() / HeatMapDesign.width(), target.height() / HeatMapDesign.height());
    const QPointF origin(target.center().x() - HeatMapDesign.width() * scale / 2,
                         target.center().y() - HeatMapDesign.height() * scale / 2);
    const QPointF cell = cellOf(square);
    return QRectF(origin + cell * scale, QSizeF(Cell, Cell) * scale);
}

void drawHeatMap(QPainter &p, const QRectF &target, const HeatMap &map)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    kit::mapFitted(p, target, HeatMapDesign);
    p.setPen(kit::outline(1));
    p.setBrush(kit::boardGreen());
    p.drawRect(QRectF(0.5, 0.5, HeatMapDesign.width() - 1, HeatMapDesign.height() - 1));

    // The scale runs from the coldest square to the hottest, so that the
    // squares of many games, all often landed on, still tell apart.
    const auto [coldest, hottest] = std::minmax_element(map.counts.begin(), map.counts.end());
    const int smallest = std::max(0, *coldest);
    const int largest = std::max(smallest + 1, *hottest);
    long long total = 0;
    for (int sq = 0; sq < BoardSize; ++sq) {
        const int count = map.counts[std::size_t(sq)];
        total += count;
        const QRectF cell(cellOf(sq), QSizeF(Cell, Cell));
        p.setPen(kit::outline(0.8));
        p.setBrush(heatColour(count, smallest, largest));
        p.drawRect(cell);
        // A street keeps its colour strip, on the side facing the middle.
        if (const int group = squareInfo(sq).group; group >= 0) {
            QRectF strip = cell;
            const qreal depth = 8;
            if (sq < 10)
                strip.setBottom(cell.top() + depth);
            else if (sq < 20)
                strip.setLeft(cell.right() - depth);
            else if (sq < 30)
                strip.setTop(cell.bottom() - depth);
            else
                strip.setRight(cell.left() + depth);
            p.setBrush(kit::groupColour(group));
            p.drawRect(strip);
        }
        p.setPen(ink());
        p.setFont(designFont(map.money ? 9 : 11, true));
        const QString text = countText(count, map.money);
        p.drawText(cell.adjusted(1, 8, -1, 0), Qt::AlignCenter,
                   p.fontMetrics().elidedText(text, Qt::ElideRight, int(Cell - 2)));
    }

    // The middle of the board: the title, then the scale as the legend.
    const QRectF middle(Cell, Cell, 9 * Cell, 9 * Cell);
    drawTitle(p, QRectF(middle.left(), middle.top() + 110, middle.width(), 24), map.title);
    const QRectF bar(middle.left() + 60, middle.top() + 160, middle.width() - 120, 18);
    QLinearGradient ramp(bar.topLeft(), bar.topRight());
    for (std::size_t i = 0; i < HeatScale.size(); ++i)
        ramp.setColorAt(double(i) / double(HeatScale.size() - 1), toQColor(HeatScale[i]));
    p.setPen(kit::outline(0.8));
    p.setBrush(ramp);
    p.drawRect(bar);
    p.setPen(ink());
    p.setFont(designFont(11));
    p.drawText(QRectF(bar.left() - 50, bar.top(), 45, bar.height()), Qt::AlignRight | Qt::AlignVCenter,
               countText(smallest, map.money));
    p.drawText(QRectF(bar.right() + 5, bar.top(), 60, bar.height()), Qt::AlignLeft | Qt::AlignVCenter,
               countText(largest, map.money));
    p.drawText(QRectF(bar.left(), bar.bottom() + 3, bar.width(), 16), Qt::AlignCenter,
               QCoreApplication::translate("GameCharts", "%1: cold to hot").arg(map.legend));
    p.drawText(QRectF(bar.left(), bar.bottom() + 21, bar.width(), 16), Qt::AlignCenter,
               QCoreApplication::translate("GameCharts", "Total: %1")
                   .arg(countText(int(std::min<long long>(total, 2147483647LL)), map.money)));
    p.restore();
}

} // namespace tycora::art
