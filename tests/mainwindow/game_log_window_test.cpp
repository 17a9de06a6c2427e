// The Game Log window: whose lines are tinted in which colour, and a view
// that follows the newest line unless the reader has scrolled up.

#include "main_window_support.h"

#include "ui/main/game_log_window.h"
#include "ui/main/player_colours.h"

#include <QListWidget>
#include <QScrollBar>

namespace tycora::testing {
namespace {

class GameLog : public MainWindowTest {
protected:
    ui::GameLogWindow &log() { return form->gameLog(); }
    QListWidget &list() { return *control<QListWidget>(log(), "lstGameLog"); }
    QColor tintOf(int row) { return list().item(row)->background().color(); }
};

TEST_F(GameLog, EachLineBelongsToThePlayerWhoseWholeNameStartsIt)
{
    addPlayer("Ann Lee", "Dog ", 2, Human);
    const auto owner = [this](const char *line) { return ui::playerOfLine(state, QString::fromUtf8(line)); };
    EXPECT_EQ(owner("Ann (£1500) rolls:  3,4"), 0);
    EXPECT_EQ(owner("Ann Lee (£1500) rolls:  3,4"), 2) << "the longest name that fits";
    EXPECT_EQ(owner("Ben Pays Ann £4 Rent for Whitechapel Road"), 1);
    EXPECT_EQ(owner("Annette (£1500) rolls:  1,1"), -1) << "a whole name only";
    EXPECT_EQ(owner("Player 0:  Ann, Hat, Red, Human"), -1);
    EXPECT_EQ(owner("Game Started:  06/12/2026 12:00:00"), -1);
    EXPECT_EQ(owner(""), -1);
}

TEST_F(GameLog, LinesAreTintedInTheirPlayersColoursWithoutTheirLineEnds)
{
    log().addLines({"Game Started:  06/12/2026 12:00:00", "Ann (£1500) rolls:  3,4", "Ben (£1500) rolls:  1,2",
                    "Game Ended:  06/12/2026 12:30:00\r\n\r\n"});
    ASSERT_EQ(log().lineCount(), 4);
    EXPECT_EQ(log().line(1), "Ann (£1500) rolls:  3,4");
    EXPECT_EQ(log().line(3), "Game Ended:  06/12/2026 12:30:00");
    EXPECT_EQ(list().item(0)->background().style(), Qt::NoBrush);
    EXPECT_EQ(tintOf(1).red(), 255) << "Ann's Red";
    EXPECT_GT(tintOf(1).red(), tintOf(1).blue());
    EXPECT_GT(tintOf(2).blue(), tintOf(2).red()) << "Ben's Blue";
    EXPECT_GE(tintOf(2).lightness(), ui::lightColour(1).lightness()) << "lighter than the panel, for reading";
}

TEST_F(GameLog, TheViewFollowsTheNewestLineUnlessTheReaderScrolledUp)
{
    form->show();
    log().open();
    for (int i = 0; i < 300; ++i)
        log().addLine("Ann (£1500) rolls:  " + std::to_string(i));
    EXPECT_TRUE(log().showsNewest());
    QScrollBar *bar = list().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(10);
    log().addLine("Ben (£1500) rolls:  1,2");
    EXPECT_EQ(bar->value(), 10) << "the reader keeps their place";
    log().toggle();
    EXPECT_FALSE(log().isVisible());
    log().toggle();
    EXPECT_TRUE(log().showsNewest()) << "opened again, it shows the newest line";
    EXPECT_EQ(log().lineCount(), 301);
}

} // namespace
} // namespace tycora::testing
