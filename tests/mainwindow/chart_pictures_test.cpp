// The pictures of a game's figures as a person sees them, at the normal
// density and (its own test entry, under QT_SCALE_FACTOR=2) at twice it:
// the lines of the net-worth chart where their figures put them, in the
// players' colours; the heat map's hottest and coldest squares in the ends
// of the scale; and both drawn at the screen's density, not enlarged.

#include "assets/game_charts.h"
#include "game/palette.h"
#include "ui/main/chart_views.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

QColor rgb(const Rgb &c) { return QColor(c.red, c.green, c.blue); }

// The mean absolute difference of two images' channels (0..255).
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

// What a widget shows, and the expected density.
struct Shown {
    QImage image;
    qreal dpr;
};

Shown show(QWidget &w)
{
    w.resize(w.sizeHint());
    w.show();
    const qreal dpr = w.devicePixelRatioF();
    if (!qEnvironmentVariableIsEmpty("TYCORA_EXPECT_DENSITY")) {
        EXPECT_EQ(dpr, qEnvironmentVariable("TYCORA_EXPECT_DENSITY").toDouble()) << "the scale factor was not applied";
    }
    QImage image = w.grab().toImage();
    EXPECT_EQ(image.size(), w.size() * dpr);
    return {image, dpr};
}

// The colour at a point given in the widget's own coordinates.
QColor at(const Shown &s, QPointF point)
{
    return s.image.pixelColor(int(point.x() * s.dpr), int(point.y() * s.dpr));
}

// The picture drawn straight at the density, and drawn at one pixel a point
// then enlarged: what is shown must be the first.
template<typename Draw>
void expectDrawnAtTheDensity(const Shown &s, QSize size, Draw draw)
{
    const auto render = [&](qreal dpr) {
        QImage image(size * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::white);
        QPainter p(&image);
        draw(p, QRectF(QPointF(0, 0), QSizeF(size)));
        return image;
    };
    const double toSharp = meanDifference(s.image, render(s.dpr));
    EXPECT_LT(toSharp, 1.0);
    if (s.dpr >= 2) {
        const QImage enlarged = render(1).scaled(size * s.dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(toSharp * 4, meanDifference(s.image, enlarged));
    }
}

TEST(ChartGrab, TheNetWorthLinesLieWhereTheirFiguresPutThem)
{
    art::LineChart chart;
    chart.title = "Net Worth over the Game";
    chart.xCaption = "Turns handed over";
    chart.lines.push_back({"Ann", rgb(strongShade(0)), std::vector<int>(11, 500), -1});
    std::vector<int> rising;
    for (int n = 0; n <= 10; ++n)
        rising.push_back(100 * n);
    chart.lines.push_back({"Ben", rgb(strongShade(1)), rising, 10});
    ui::LineChartView view;
    view.setChart(chart);
    const Shown s = show(view);
    ASSERT_EQ(view.size(), QSize(480, 280));

    // The plot runs from £0 at y 240 to £1,000 at y 34, over x 60 to 350.
    EXPECT_EQ(at(s, {100, 137}), rgb(strongShade(0))) << "Ann's £500, level";
    EXPECT_EQ(at(s, {300, 136.5}), rgb(strongShade(0)));
    const QPointF benAt2(60 + 290 * 0.2, 240 - 206 * 0.2);
    EXPECT_EQ(at(s, benAt2), rgb(strongShade(1))) << "Ben's £200 after two turns";
    EXPECT_NE(at(s, benAt2 + QPointF(0, 12)), rgb(strongShade(1)));
    // The title and the legend are printed in ink on the white card.
    int inkInTitle = 0, inkInLegend = 0;
    for (int x = 150; x < 330; ++x)
        for (int y = 8; y < 24; ++y)
            inkInTitle += at(s, {double(x), double(y)}).lightness() < 100;
    for (int x = 395; x < 468; ++x)
        for (int y = 38; y < 54; ++y)
            inkInLegend += at(s, {double(x), double(y)}).lightness() < 100;
    EXPECT_GT(inkInTitle, 40);
    EXPECT_GT(inkInLegend, 15);
    expectDrawnAtTheDensity(s, view.size(), [&](QPainter &p, const QRectF &r) { art::drawLineChart(p, r, chart); });
}

TEST(ChartGrab, TheHeatMapTintsTheHottestAndColdestSquaresAtTheEndsOfItsScale)
{
    art::HeatMap map;
    map.title = "Landings by Square";
    map.legend = "Landings";
    for (int sq = 0; sq < 40; ++sq)
        map.counts[sq] = sq % 7;
    map.counts[24] = 30;   // Trafalgar Square, the hottest
    map.counts[7] = 0;     // Chance, the coldest
    ui::HeatMapView view;
    view.setMap(map);
    const Shown s = show(view);
    const QRectF hottest = art::heatMapSquare(QRectF(view.rect()), 24);
    const QRectF coldest = art::heatMapSquare(QRectF(view.rect()), 7);
    // A corner of each square, clear of its figure and its colour strip.
    EXPECT_EQ(at(s, hottest.topLeft() + QPointF(4, 4)), rgb(HeatScale.back()));
    EXPECT_EQ(at(s, coldest.bottomRight() - QPointF(4, 4)), rgb(HeatScale.front()));
    EXPECT_EQ(view.squareAt(hottest.center().toPoint()), 24);
    EXPECT_EQ(view.tipFor(24), "Trafalgar Square: 30 landings");
    expectDrawnAtTheDensity(s, view.size(), [&](QPainter &p, const QRectF &r) { art::drawHeatMap(p, r, map); });
}

} // namespace
} // namespace tycora::testing
