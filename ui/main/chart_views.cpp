#include "ui/main/chart_views.h"

#include "game/net_worth_history.h"
#include "game/square_table.h"
#include "ui/main/player_colours.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace tycora::ui {

art::LineChart netWorthChart(const GameState &state, const NetWorthHistory &history, bool cashOnly)
{
    art::LineChart chart;
    chart.title = cashOnly ? QCoreApplication::translate("ChartViews", "Cash over the Game")
                           : QCoreApplication::translate("ChartViews", "Net Worth over the Game");
    chart.xCaption = QCoreApplication::translate("ChartViews", "Turns handed over");
    for (int i = 0; i < history.players(); ++i) {
        art::ChartLine line;
        line.name = qtext(state.Players[i].Name);
        line.colour = strongColour(state.Players[i].Colour);
        line.bankruptAt = history.bankruptAt(i);
        line.values.reserve(history.samples());
        for (std::size_t n = 0; n < history.samples(); ++n)
            line.values.push_back(cashOnly ? history.cash(n, i) : history.netWorth(n, i));
        chart.lines.push_back(std::move(line));
    }
    return chart;
}

LineChartView::LineChartView(QWidget *parent) : QWidget(parent) {}

void LineChartView::setChart(art::LineChart chart)
{
    chart_ = std::move(chart);
    update();
}

QSize LineChartView::sizeHint() const { return art::LineChartDesign.toSize(); }

void LineChartView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    art::drawLineChart(p, QRectF(rect()), chart_);
}

HeatMapView::HeatMapView(QWidget *parent) : QWidget(parent) { setMouseTracking(true); }

void HeatMapView::setMap(art::HeatMap map)
{
    map_ = std::move(map);
    update();
}

int HeatMapView::squareAt(QPoint point) const
{
    for (int sq = 0; sq < BoardSize; ++sq)
        if (art::heatMapSquare(QRectF(rect()), sq).contains(QPointF(point)))
            return sq;
    return -1;
}

QString HeatMapView::tipFor(int square) const
{
    if (square < 0 || square >= BoardSize)
        return {};
    const int count = map_.counts[std::size_t(square)];
    const QString figure =
        map_.money ? tr("%1 rent").arg(qmoney(count)) : (count == 1 ? tr("%1 landing") : tr("%1 landings")).arg(count);
    return tr("%1: %2").arg(qtext(squareInfo(square).title), figure);
}

QSize HeatMapView::sizeHint() const { return art::HeatMapDesign.toSize(); }

void HeatMapView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    art::drawHeatMap(p, QRectF(rect()), map_);
}

bool HeatMapView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = tipFor(squareAt(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace tycora::ui
