#include "ui/main/winner_window.h"

#include "game/game_state.h"
#include "game/text.h"
#include "ui/main/chart_views.h"
#include "ui/main/control_names.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tycora::ui {

namespace {

constexpr int Margin = 300;
constexpr int RowHeight = 315;
constexpr int TableTop = 1020;
struct ColumnPlace {
    const char *name;     // the cells' array name
    const char *title;
    int width;
    Qt::Alignment align;
};
constexpr std::array<ColumnPlace, WinnerWindow::Columns> Table{{
    {"lblPlace", "", 480, Qt::AlignLeft},
    {"lblName", QT_TRANSLATE_NOOP("WinnerWindow", "Player"), 1800, Qt::AlignLeft},
    {"lblCash", QT_TRANSLATE_NOOP("WinnerWindow", "Cash"), 1050, Qt::AlignRight},
    {"lblDeeds", QT_TRANSLATE_NOOP("WinnerWindow", "Deeds"), 780, Qt::AlignRight},
    {"lblBuildings", QT_TRANSLATE_NOOP("WinnerWindow", "Buildings"), 1950, Qt::AlignRight},
    {"lblNetWorth", QT_TRANSLATE_NOOP("WinnerWindow", "Net Worth"), 1200, Qt::AlignRight},
    {"lblResult", "", 1800, Qt::AlignRight},
}};

int tableWidth()
{
    int w = 0;
    for (const ColumnPlace &c : Table)
        w += c.width;
    return w;
}

QString buildingsText(const Standing &s)
{
    QStringList parts;
    if (s.houses > 0)
        parts << (s.houses == 1 ? WinnerWindow::tr("%1 house") : WinnerWindow::tr("%1 houses")).arg(s.houses);
    if (s.hotels > 0)
        parts << (s.hotels == 1 ? WinnerWindow::tr("%1 hotel") : WinnerWindow::tr("%1 hotels")).arg(s.hotels);
    return parts.isEmpty() ? WinnerWindow::tr("None") : parts.join(QStringLiteral(", "));
}


// When a player went bankrupt, in words: a rank would read as a place in
// the standings.
QString outOrder(int order)
{
    const std::array<QString, 3> Words{WinnerWindow::tr("first"), WinnerWindow::tr("second"),
                                              WinnerWindow::tr("third")};
    return order >= 1 && order <= 3 ? Words[static_cast<std::size_t>(order - 1)] : qtext(ordinal(order));
}

} // namespace

WinnerWindow::WinnerWindow(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("frmWinner"));
    setWindowTitle(WinnerWindow::tr("Game Over"));
    setFont(tahoma(8.25));
    const int width = tableWidth() + 2 * Margin;

    lblHeading_ = named(new Label(this), QStringLiteral("lblWinner"));
    lblHeading_->setFont(tahoma(12, true));
    lblHeading_->setAlignment(Qt::AlignCenter);
    place(lblHeading_, Margin, 240, tableWidth(), 450);

    // The titles, then a row of cells for each possible player.
    for (int row = -1; row < MaxPlayers; ++row) {
        std::vector<Label *> cells;
        int left = Margin;
        for (const ColumnPlace &c : Table) {
            auto *cell = new Label(this);
            cell->setAlignment(c.align | Qt::AlignVCenter);
            place(cell, left, TableTop + RowHeight * (row + 1), c.width - 90, RowHeight);
            left += c.width;
            if (row < 0) {
                cell->setFont(tahoma(8.25, true));
                cell->setCaption(QCoreApplication::translate("WinnerWindow", c.title));
            } else {
                named(cell, QString::fromLatin1(c.name), row);
                cells.push_back(cell);
            }
        }
        if (row >= 0)
            rows_.push_back(cells);
    }

    const int buttonsTop = TableTop + RowHeight * (MaxPlayers + 1) + 300;
    auto *newGame = named(new CommandButton(tr("New Game"), this), QStringLiteral("cmdNewGame"));
    auto *quit = named(new CommandButton(tr("Quit"), this), QStringLiteral("cmdQuit"));
    place(newGame, width / 2 - 1320, buttonsTop, 1200, 375);
    place(quit, width / 2 + 120, buttonsTop, 1200, 375);
    connect(newGame, &QPushButton::clicked, this, &WinnerWindow::newGameClicked);
    connect(quit, &QPushButton::clicked, this, &WinnerWindow::quitClicked);

    // The chart of the game stands under the table and the buttons, as wide
    // as the table, so the window still fits a small screen.
    constexpr int ChartHeight = 3600;
    const int chartTop = buttonsTop + 375 + 300;
    chart_ = named(new LineChartView(this), QStringLiteral("picNetWorth"));
    place(chart_, Margin, chartTop, width - 2 * Margin, ChartHeight);
    setClientSizeTwips(width, chartTop + ChartHeight + Margin);
}

void WinnerWindow::showChart(art::LineChart chart) { chart_->setChart(std::move(chart)); }

void WinnerWindow::showStandings(const QString &heading, const std::vector<Standing> &standings)
{
    lblHeading_->setCaption(heading);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        std::vector<Label *> &cells = rows_[row];
        const bool filled = row < standings.size();
        for (Label *cell : cells)
            cell->setVisible(filled);
        if (!filled)
            continue;
        const Standing &s = standings[row];
        cells[Place]->setCaption(qtext(ordinal(static_cast<int>(row) + 1)));
        cells[Name]->setCaption(qtext(s.name));
        cells[Cash]->setCaption(qmoney(s.cash));
        cells[Deeds]->setCaption(QString::number(s.deeds));
        cells[Buildings]->setCaption(buildingsText(s));
        cells[NetWorth]->setCaption(qmoney(s.netWorth));
        cells[Result]->setCaption(s.bankruptOrder > 0
                                      ? WinnerWindow::tr("Out %1").arg(outOrder(s.bankruptOrder))
                                      : row == 0 ? WinnerWindow::tr("Winner")
                                                 : QString());
    }
}

QString WinnerWindow::cell(int row, Column column) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column >= Columns)
        return {};
    return rows_[static_cast<std::size_t>(row)][column]->caption();
}

} // namespace tycora::ui
