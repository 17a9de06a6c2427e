#pragma once

// The end of a game under the Full rules: who won, and a table of every
// player's cash, deeds, buildings and net worth, the bankrupt in the order
// they left the game; and the two ways on, New Game and Quit.

#include "assets/game_charts.h"
#include "ui/main/standings.h"
#include "toolkit/form.h"

#include <vector>

namespace tycora::ui {

class CommandButton;
class Label;
class LineChartView;

class WinnerWindow final : public Form {
    Q_OBJECT
public:
    explicit WinnerWindow(QWidget *parent = nullptr);

    void showStandings(const QString &heading, const std::vector<Standing> &standings);
    // The players' net worth over the game, beside the table.
    void showChart(art::LineChart chart);
    const LineChartView &chart() const { return *chart_; }

    // The text of a table cell: row 0.. in finishing order, column one of
    // Columns.
    enum Column { Place, Name, Cash, Deeds, Buildings, NetWorth, Result, Columns };
    QString cell(int row, Column column) const;

signals:
    void newGameClicked();
    void quitClicked();

private:
    Label *lblHeading_ = nullptr;
    std::vector<std::vector<Label *>> rows_;
    LineChartView *chart_ = nullptr;
};

} // namespace tycora::ui
