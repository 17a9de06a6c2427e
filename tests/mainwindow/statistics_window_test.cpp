// The statistics window: opened with G or its button, which sits beside the
// Game Log's without covering anything; its samples follow the game in both
// rule sets, its heat map counts as the statistics cards do, its tables say
// in words what the pictures say in colour; and the winner window shows the
// net-worth chart of the game.

#include "statistics_game.h"

#include "game/rules.h"
#include "ui/main/chart_views.h"
#include "ui/main/statistics_window.h"
#include "ui/main/winner_window.h"
#include "toolkit/game_text.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace tycora::testing {
namespace {

TEST_F(StatisticsGame, OpensWithGAndItsButtonSitsBesideTheGameLogsCoveringNothing)
{
    start(RuleSet::Classic);
    ui::CommandButton *open = button("cmdStatistics");
    EXPECT_EQ(open->text(), "Statistics (G)");
    EXPECT_EQ(open->geometry(), twipRect(12180, 10575, 1305, 270));
    EXPECT_EQ(button("cmdGameLog")->geometry(), twipRect(13545, 10575, 1305, 270));
    for (QWidget *other : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != open && !other->isWindow() && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(open->geometry())) << other->objectName().toStdString();
        }
    }
    form->imgInfo_MouseMove(39);   // the deed card, in the corner above
    EXPECT_FALSE(frame("frmProperty")->geometry().intersects(open->geometry()));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_FALSE(statistics().isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    EXPECT_TRUE(statistics().isVisible());
    EXPECT_EQ(statistics().windowTitle(), "Statistics");
    const QPoint placed = statistics().pos();
    QTest::keyClick(form.get(), Qt::Key_G);
    EXPECT_FALSE(statistics().isVisible());
    statistics().move(placed + QPoint(30, 20));
    QTest::keyClick(form.get(), Qt::Key_G);
    EXPECT_TRUE(statistics().isVisible());
    EXPECT_EQ(statistics().pos(), placed + QPoint(30, 20)) << "it opens again where it was left";
    // In the window itself G, like Escape, puts it away.
    statistics().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&statistics()));
    QTest::keyClick(&statistics(), Qt::Key_G);
    EXPECT_FALSE(statistics().isVisible());
}

TEST_F(StatisticsGame, SamplesEachHandOverAndCountsAsTheStatisticsCardsClassic)
{
    start(RuleSet::Classic);
    playUntil(80);
    ASSERT_EQ(engine->handOvers(), 80);
    const NetWorthHistory &history = statistics().history();
    ASSERT_EQ(history.samples(), 81u) << "the start and every hand-over";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(history.netWorth(80, i), engine->netWorth(i));
    statistics().open();

    // The chart draws the history; with the toggle, the cash alone.
    const art::LineChart &chart = statistics().netWorthView().chart();
    ASSERT_EQ(chart.lines.size(), 3u);
    EXPECT_EQ(chart.title, "Net Worth over the Game");
    EXPECT_EQ(chart.lines[2].name, "Cleo");
    EXPECT_EQ(chart.lines[2].values.size(), 81u);
    EXPECT_EQ(chart.lines[2].values.back(), engine->netWorth(2));
    toggle("chkCashOnly")->click();
    EXPECT_EQ(statistics().netWorthView().chart().title, "Cash over the Game");
    EXPECT_EQ(statistics().netWorthView().chart().lines[2].values.back(), state.Players[2].Money);

    // Landings, then rent, square by square as the statistics card shows them.
    const ui::HeatMapView &map = statistics().heatMapView();
    int landed = 0;
    for (int sq = 0; sq < BoardSize; ++sq) {
        form->imgStats_MouseMove(sq);
        const QString count = label("lblStatsLanded")->text();
        EXPECT_EQ(QString::number(map.map().counts[sq]), count) << sq;
        EXPECT_EQ(table("tblSquares")->item(sq, 1)->text(), count) << sq;
        EXPECT_TRUE(map.tipFor(sq).endsWith(": " + count + (count == "1" ? " landing" : " landings"))) << sq;
        landed += map.map().counts[sq];
    }
    EXPECT_GT(landed, 100);
    EXPECT_EQ(map.tipFor(39).left(9), "Mayfair: ");
    toggle("chkRentEarned")->click();
    for (int sq = 0; sq < BoardSize; ++sq) {
        form->imgStats_MouseMove(sq);
        EXPECT_EQ(ui::qmoney(map.map().counts[sq]), label("lblStatsTotal")->text()) << sq;
    }
    EXPECT_EQ(map.map().title, "Rent Earned by Square");

    // Rent and ownership, in words.
    QTableWidget *rent = table("tblRent");
    ASSERT_EQ(rent->rowCount(), 3);
    int received = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rent->item(i, 0)->text(), ui::qtext(state.Players[i].Name));
        EXPECT_EQ(rent->item(i, 1)->text(), ui::qmoney(engine->netWorth(i)));
        EXPECT_EQ(rent->item(i, 5)->text(), ui::qmoney(statistics().rent().received(i)));
        received += statistics().rent().received(i);
    }
    int total = 0;
    for (int sq = 0; sq < BoardSize; ++sq)
        total += state.SquareStats[sq].TotalRent;
    EXPECT_EQ(received, total);
}

TEST_F(StatisticsGame, UnderFullRulesTheWinnerWindowShowsTheGamesChart)
{
    start(RuleSet::Full);
    playUntil(5000);
    ASSERT_EQ(engine->phase(), Engine::Phase::Over);
    const NetWorthHistory &history = statistics().history();
    ASSERT_EQ(history.samples(), std::size_t(engine->handOvers() + 2)) << "the start, every hand-over, the win";
    auto *winner = control<ui::WinnerWindow>(*form, "frmWinner");
    ASSERT_TRUE(winner->isVisible());
    const art::LineChart &chart = winner->chart().chart();
    ASSERT_EQ(chart.lines.size(), 3u);
    int crossed = 0;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(chart.lines[i].values.size(), history.samples());
        EXPECT_EQ(chart.lines[i].values.back(), engine->netWorth(i));
        EXPECT_EQ(chart.lines[i].bankruptAt, history.bankruptAt(i));
        crossed += chart.lines[i].bankruptAt >= 0;
    }
    EXPECT_EQ(crossed, 2) << "both losers are crossed where they went bankrupt";
    EXPECT_EQ(winner->cell(0, ui::WinnerWindow::NetWorth),
              ui::qmoney(chart.lines[std::size_t(engine->winner())].values.back()));
    // The table and buttons keep their places; the chart stands under them,
    // and the window still fits the screen.
    const auto *newGame = control<ui::CommandButton>(*winner, "cmdNewGame");
    EXPECT_EQ(newGame->geometry().topLeft(), twipRect(3510, 2895, 1200, 375).topLeft());
    EXPECT_GT(winner->chart().geometry().top(), newGame->geometry().bottom());
    EXPECT_TRUE(winner->rect().contains(winner->chart().geometry()));
}

} // namespace
} // namespace tycora::testing
