#pragma once

// The statistics (frmStatistics): pictures of the game so far, in a window
// of its own beside the board. The net worth of every player over the
// turns (or their cash alone), a heat map of the board by landings (or by
// rent earned), and tables of rent and ownership per player and of every
// square's figures, so that nothing is told by colour alone. It takes its
// samples when the game starts, at each hand-over and at the win; like the
// Game Log it is no dialog, and closing it only hides it.

#include "game/net_worth_history.h"
#include "game/rent_ledger.h"

#include <QWidget>

class QCheckBox;
class QTabWidget;
class QTableWidget;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class HeatMapView;
class LineChartView;

class StatisticsWindow final : public QWidget {
    Q_OBJECT
public:
    StatisticsWindow(const GameState &state, QWidget *board);

    // Takes a sample of the game as it stands and redraws what is shown.
    void sample();
    const NetWorthHistory &history() const { return history_; }
    const RentLedger &rent() const { return rent_; }

    // Shows the window without taking the keyboard from the board: the
    // first time beside the board, later where it was left.
    void open();
    void toggle();

    LineChartView &netWorthView() { return *netWorth_; }
    HeatMapView &heatMapView() { return *heatMap_; }

private:
    void refresh();
    void fillRentTable();
    void fillSquareTable();

    const GameState &state_;
    QWidget *board_;
    NetWorthHistory history_;
    RentLedger rent_;
    QTabWidget *tabs_;
    LineChartView *netWorth_;
    QCheckBox *cashOnly_;
    HeatMapView *heatMap_;
    QCheckBox *rentEarned_;
    QTableWidget *rentTable_;
    QTableWidget *squareTable_;
    bool placed_ = false;
};

} // namespace tycora::ui
