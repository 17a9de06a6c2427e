// The Game Log window: each player's lines in their colour, and a view
// that follows the newest line unless the reader has scrolled up.

#include "main_window_support.h"

#include "ui/main/game_log_window.h"

#include <QListWidget>
#include <QScrollBar>

namespace tycora::testing {
namespace {

TEST_F(MainWindowTest, GameLogLinesAreTintedByTheWholeNameThatStartsThem)
{
    addPlayer("Ann Lee", "Dog ", 2, Human);
    ui::GameLogWindow &log = form->gameLog();
    log.addLines({"Player 0:  Ann, Hat, Red, Human", "Ann (£1500) rolls:  3,4", "Ann Lee (£1500) rolls:  1,2",
                  "Annette rolls", "Ben Pays Ann £4 Rent for Whitechapel Road", "Game Ended:  x\r\n\r\n"});
    EXPECT_EQ(log.line(5), "Game Ended:  x") << "without its line ends";
    const QListWidget &list = *control<QListWidget>(log, "lstGameLog");
    const auto tint = [&](int row) { return list.item(row)->background(); };
    EXPECT_EQ(tint(0).style(), Qt::NoBrush);
    EXPECT_EQ(tint(1).color(), QColor(255, 223, 223)) << "Ann's Red, half way to white";
    EXPECT_EQ(tint(2).color(), QColor(191, 255, 191)) << "the longest name that fits: Ann Lee's Green";
    EXPECT_EQ(tint(3).style(), Qt::NoBrush) << "whole names only";
    EXPECT_EQ(tint(4).color(), QColor(223, 223, 255)) << "Ben's Blue";
}

TEST_F(MainWindowTest, GameLogFollowsTheNewestLineUnlessTheReaderScrolledUp)
{
    ui::GameLogWindow &log = form->gameLog();
    log.open();
    for (int i = 0; i < 300; ++i)
        log.addLine("Ann (£1500) rolls:  " + std::to_string(i));
    EXPECT_TRUE(log.showsNewest());
    QScrollBar *bar = control<QListWidget>(log, "lstGameLog")->verticalScrollBar();
    bar->setValue(10);
    log.addLine("Ben (£1500) rolls:  1,2");
    EXPECT_EQ(bar->value(), 10) << "the reader keeps their place";
    log.toggle();
    EXPECT_FALSE(log.isVisible());
    log.toggle();
    EXPECT_TRUE(log.showsNewest()) << "opened again, it shows the newest line";
    EXPECT_EQ(log.lineCount(), 301);
}

} // namespace
} // namespace tycora::testing
