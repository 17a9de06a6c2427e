// The Game Log window: each player's lines in their colour, and a view
// that follows the newest line unless the reader has scrolled up.

#include "main_window_support.h"

#include "ui/main/game_log_window.h"

#include <QListWidget>
#include <QScrollBar>

namespace tycora::testing {
namespace {

TEST_F(MainWindowTest, GameLogTintsLinesByTheWholeNameThatStartsThemAndFollowsTheNewest)
{
    addPlayer("Ann Lee", "Dog ", 2, Human);
    ui::GameLogWindow &log = form->gameLog();
    log.open();
    log.addLines({"Player 0:  Ann, Hat, Red, Human", "Ann (£1500) rolls:  3,4", "Ann Lee (£1500) rolls:  1,2",
                  "Annette rolls", "Ben Pays Ann £4 Rent for Whitechapel Road", "Game Ended:  x\r\n\r\n"});
    EXPECT_EQ(log.line(5), "Game Ended:  x") << "without its line ends";
    QListWidget &list = *control<QListWidget>(log, "lstGameLog");
    const auto tint = [&](int row) { return list.item(row)->background(); };
    EXPECT_EQ(tint(0).style(), Qt::NoBrush);
    EXPECT_EQ(tint(1).color(), QColor(255, 223, 223)) << "Ann's Red, half way to white";
    EXPECT_EQ(tint(2).color(), QColor(191, 255, 191)) << "the longest name that fits: Ann Lee's Green";
    EXPECT_EQ(tint(3).style(), Qt::NoBrush) << "whole names only";
    EXPECT_EQ(tint(4).color(), QColor(223, 223, 255)) << "Ben's Blue";

    for (int i = 0; i < 300; ++i)
        log.addLine("Ann (£1500) rolls:  " + std::to_string(i));
    EXPECT_TRUE(log.showsNewest());
    list.verticalScrollBar()->setValue(10);
    log.addLine("Ben (£1500) rolls:  1,2");
    EXPECT_EQ(list.verticalScrollBar()->value(), 10) << "a reader further up keeps their place";
}

} // namespace
} // namespace tycora::testing
