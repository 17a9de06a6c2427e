#pragma once

// Widgets that show the pictures of a game's figures (assets/game_charts.h):
// the net-worth chart, and the heat map of the board, which tells the name
// and the count of the square under the mouse.

#include "assets/game_charts.h"

#include <QWidget>

namespace tycora {
class NetWorthHistory;
struct GameState;
} // namespace tycora

namespace tycora::ui {

// The chart of a history: every player's net worth (or cash alone) at each
// sample, in their colour, bankruptcies crossed.
art::LineChart netWorthChart(const GameState &state, const NetWorthHistory &history, bool cashOnly);

class LineChartView final : public QWidget {
    Q_OBJECT
public:
    explicit LineChartView(QWidget *parent = nullptr);
    void setChart(art::LineChart chart);
    const art::LineChart &chart() const { return chart_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    art::LineChart chart_;
};

class HeatMapView final : public QWidget {
    Q_OBJECT
public:
    explicit HeatMapView(QWidget *parent = nullptr);
    void setMap(art::HeatMap map);
    const art::HeatMap &map() const { return map_; }
    // The square under a point of the widget, or -1; what its tooltip says.
    int squareAt(QPoint point) const;
    QString tipFor(int square) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    art::HeatMap map_;
};

} // namespace tycora::ui
