// Where the secondary windows open: centred over the board as its
// transient children, framed and titled; the Game Log beside the board, or
// where it covers least of the squares and none of the panels.

#include "full_rules_window.h"

#include "game/rules.h"
#include "ui/main/game_log_window.h"
#include "ui/main/winner_window.h"
#include "ui/shell/frm_mortgage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <functional>

namespace tycora::testing {
namespace {

class WindowPlaces : public FullRulesWindow {
protected:
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // The part of the board the screen shows.
    QRect boardOnScreen() const { return form->frameGeometry().intersected(screenArea()); }
};

TEST_F(WindowPlaces, SecondaryWindowsOpenCentredOverTheBoardAsItsChildren)
{
    struct Case {
        const char *title;
        std::function<QWidget *()> open;
    };
    const std::vector<Case> cases{
        {"Build",
         [this] {
             button("cmdBuild")->click();
             return static_cast<QWidget *>(dialog("frmBuild"));
         }},
        {"Mortgage Property",
         [this] {
             button("cmdMorgage")->click();
             return static_cast<QWidget *>(topLevel<ui::FrmMortgage>("Mortgage Property"));
         }},
        {"Game Over",
         [this] {
             form->screen().showWinner(1);
             return static_cast<QWidget *>(control<ui::WinnerWindow>(*form, "frmWinner"));
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        TearDown();
        state = GameState{};
        SetUp();
        giveGroup(0, groupOf(39));   // Ann may build on the dark blues, or mortgage them
        start();
        QWidget *window = c.open();
        ASSERT_TRUE(window && window->isVisible());
        EXPECT_EQ(window->windowTitle(), c.title);
        EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle());
        const QRect at = window->frameGeometry();
        EXPECT_LE((at.center() - boardOnScreen().center()).manhattanLength(), 2)
            << at.x() << "," << at.y() << " over " << boardOnScreen().x() << "," << boardOnScreen().y();
        EXPECT_TRUE(screenArea().contains(at));
        window->close();
    }
}

TEST_F(WindowPlaces, TheGameLogOpensBesideTheBoardWhereThereIsRoom)
{
    // A small board leaves the screen room on its right.
    QWidget board;
    board.setGeometry(screenArea().left() + 10, screenArea().top() + 10, 200, 200);
    board.show();
    ui::GameLogWindow log(state, &board);
    log.open();
    EXPECT_GT(log.frameGeometry().left(), board.frameGeometry().right());
    EXPECT_FALSE(log.frameGeometry().intersects(board.frameGeometry()));
    EXPECT_EQ(log.windowHandle()->transientParent(), board.windowHandle());

    // The real board leaves no room: the log covers none of the panels.
    start();
    form->gameLog().open();
    const QRect at = form->gameLog().frameGeometry();
    const QWidget *panels = control<QWidget>(*form, "frmPlayers");
    const QRect panelsOnScreen(panels->mapToGlobal(QPoint(0, 0)), panels->size());
    EXPECT_FALSE(at.intersects(panelsOnScreen));
    EXPECT_TRUE(screenArea().contains(at));
}

} // namespace
} // namespace tycora::testing
