#include "ui/main/statistics_window.h"

#include "game/game_state.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "ui/main/beside_board.h"
#include "ui/main/chart_views.h"
#include "toolkit/fonts.h"
#include "toolkit/game_text.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tycora::ui {

namespace {

constexpr QSize WindowSize(520, 500);
constexpr int TopSquares = 3;

QTableWidget *table(const QString &name, const QStringList &titles, QWidget *parent)
{
    auto *t = new QTableWidget(0, int(titles.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(titles);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setCell(QTableWidget &t, int row, int column, const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setToolTip(text);   // the whole text where the column is too narrow
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    t.setItem(row, column, item);
}

// A page of a picture with its toggle under it.
QWidget *picturePage(QWidget *picture, QCheckBox *toggle, QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(picture, 1);
    layout->addWidget(toggle);
    return page;
}

} // namespace

StatisticsWindow::StatisticsWindow(const GameState &state, QWidget *board)
    : QWidget(board, Qt::Window), state_(state), board_(board), tabs_(new QTabWidget(this)),
      netWorth_(new LineChartView), cashOnly_(new QCheckBox(tr("Cash only"))), heatMap_(new HeatMapView),
      rentEarned_(new QCheckBox(tr("Rent earned instead of landings"))),
      rentTable_(table(QStringLiteral("tblRent"),
                       {tr("Player"), tr("Net Worth"), tr("Cash"), tr("Deeds"), tr("Rent Paid"), tr("Rent Received"),
                        tr("Top Earners")},
                       this)),
      squareTable_(
          table(QStringLiteral("tblSquares"), {tr("Square"), tr("Landings"), tr("Rent Earned"), tr("Owner")}, this))
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    // Opening it leaves the keyboard with the board, for the next throw.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(tahoma(8.25));
    resize(WindowSize);
    netWorth_->setObjectName(QStringLiteral("picNetWorth"));
    heatMap_->setObjectName(QStringLiteral("picHeatMap"));
    cashOnly_->setObjectName(QStringLiteral("chkCashOnly"));
    rentEarned_->setObjectName(QStringLiteral("chkRentEarned"));
    tabs_->setObjectName(QStringLiteral("tabStatistics"));
    tabs_->addTab(picturePage(netWorth_, cashOnly_, tabs_), tr("Net Worth"));
    tabs_->addTab(picturePage(heatMap_, rentEarned_, tabs_), tr("Heat Map"));
    tabs_->addTab(rentTable_, tr("Rent and Ownership"));
    tabs_->addTab(squareTable_, tr("Squares"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    connect(cashOnly_, &QCheckBox::toggled, this, &StatisticsWindow::refresh);
    connect(rentEarned_, &QCheckBox::toggled, this, &StatisticsWindow::refresh);
    // Escape, the key that opened it, or the system's close key put it away.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_G), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::hide);
    refresh();
}

void StatisticsWindow::sample()
{
    history_.record(state_);
    rent_.record(state_);
    // Drawn when seen: a fast game hands over many times a second.
    if (isVisible())
        refresh();
}

void StatisticsWindow::open()
{
    if (!placed_) {
        placed_ = true;
        // Level with the board's bottom, so that the Game Log, level with
        // its top, stays in sight where the screen is tall enough.
        move(besideBoard(*board_, frameGeometry().size(), true));
    }
    refresh();
    show();
    raise();
}

void StatisticsWindow::toggle()
{
    if (isVisible())
        hide();
    else
        open();
}

void StatisticsWindow::refresh()
{
    netWorth_->setChart(netWorthChart(state_, history_, cashOnly_->isChecked()));
    art::HeatMap map;
    map.money = rentEarned_->isChecked();
    map.title = map.money ? tr("Rent Earned by Square") : tr("Landings by Square");
    map.legend = map.money ? tr("Rent earned") : tr("Landings");
    for (int sq = 0; sq < BoardSize; ++sq)
        map.counts[std::size_t(sq)] = map.money ? state_.SquareStats[sq].TotalRent : state_.SquareStats[sq].Landed;
    heatMap_->setMap(map);
    fillRentTable();
    fillSquareTable();
}

void StatisticsWindow::fillRentTable()
{
    const int players = std::clamp<int>(state_.PlayerCount, 0, MaxPlayers);
    rentTable_->setRowCount(players);
    for (int i = 0; i < players; ++i) {
        const Player &p = state_.Players[i];
        int deeds = 0;
        for (const int sq : ownableSquares())
            deeds += state_.holds(i, sq);
        QStringList top;
        for (const int sq : rent_.topSquares(i, TopSquares))
            top << qtext(squareInfo(sq).title) + QStringLiteral(" ") + qmoney(rent_.earned(i, sq));
        setCell(*rentTable_, i, 0, qtext(p.Name) + (p.Bankrupt ? tr(" (bankrupt)") : QString()));
        setCell(*rentTable_, i, 1, qmoney(netWorth(state_, i)), true);
        setCell(*rentTable_, i, 2, qmoney(p.Money), true);
        setCell(*rentTable_, i, 3, QString::number(deeds), true);
        setCell(*rentTable_, i, 4, qmoney(rent_.paid(i)), true);
        setCell(*rentTable_, i, 5, qmoney(rent_.received(i)), true);
        setCell(*rentTable_, i, 6, top.isEmpty() ? tr("None") : top.join(QLatin1Char('\n')));
    }
    rentTable_->resizeColumnsToContents();
    rentTable_->resizeRowsToContents();
}

void StatisticsWindow::fillSquareTable()
{
    squareTable_->setRowCount(BoardSize);
    for (int sq = 0; sq < BoardSize; ++sq) {
        const SquareStat &stats = state_.SquareStats[sq];
        const Property &deed = state_.Properties[sq];
        const bool owned = deed.Owned && deed.Owner >= 0 && deed.Owner < MaxPlayers;
        setCell(*squareTable_, sq, 0, qtext(squareInfo(sq).title));
        setCell(*squareTable_, sq, 1, QString::number(stats.Landed), true);
        setCell(*squareTable_, sq, 2, qmoney(stats.TotalRent), true);
        setCell(*squareTable_, sq, 3, owned ? qtext(state_.Players[deed.Owner].Name) : QString());
    }
    squareTable_->resizeColumnsToContents();
}

} // namespace tycora::ui
