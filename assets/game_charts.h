#pragma once

// The pictures of a game's figures, drawn in the art kit's manner so they
// are crisp at any size and screen density: a line chart of the players'
// worth over the turns, and a small board whose squares are tinted from
// cold to hot by a count (landings, or rent earned). Each has a title and a
// legend; the colours come from the game's palette.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

class QPainter;

namespace tycora::art {

// One player's line: a value at each sample, and the sample at which the
// player went bankrupt (-1 for none), marked with a cross.
struct ChartLine {
    QString name;
    QColor colour;
    std::vector<int> values;
    int bankruptAt = -1;
};

struct LineChart {
    QString title;
    QString xCaption;   // what the samples are, under the axis
    std::vector<ChartLine> lines;
};

// The size the chart is designed at; it is drawn scaled into any box, its
// plot as tall as the box's proportions make it.
inline constexpr QSizeF LineChartDesign{480, 280};
void drawLineChart(QPainter &p, const QRectF &target, const LineChart &chart);

struct HeatMap {
    QString title;
    QString legend;                      // what is counted, e.g. "Landings"
    std::array<int, 40> counts{};
    bool money = false;                  // counts are pounds
};

inline constexpr QSizeF HeatMapDesign{440, 440};
void drawHeatMap(QPainter &p, const QRectF &target, const HeatMap &map);
// Where the square lies in a heat map drawn into target.
QRectF heatMapSquare(const QRectF &target, int square);
// The tint of a count between the smallest and the largest count.
QColor heatColour(int count, int smallest, int largest);

} // namespace tycora::art
