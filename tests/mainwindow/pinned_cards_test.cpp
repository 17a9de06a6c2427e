// Cards by click and keyboard: a click on a sign or a mini deed pins its
// card, which stays while the mouse moves on, until Escape or a click
// elsewhere; the arrow keys walk a pinned card round the board.

#include "main_window_support.h"

#include "ui/main/pinned_cards.h"

#include <QTest>

namespace tycora::testing {
namespace {

class PinnedCards : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center()); }
    void clickBackground()
    {
        const QPoint free(200, 450);   // inside the board, between the logo and the dice
        ASSERT_EQ(form->childAt(free), nullptr);
        QTest::mouseClick(form.get(), Qt::LeftButton, Qt::NoModifier, free);
    }
    void press(Qt::Key key) { QTest::keyClick(form.get(), key); }

    bool deedShows(const char *where) { return deed()->isVisible() && label("lblWhere")->text() == where; }
    bool statsShow(const char *where) { return stats()->isVisible() && label("lblStatsWhere")->text() == where; }
    ui::Frame *deed() { return frame("frmProperty"); }
    ui::Frame *stats() { return frame("frmStats"); }
    QWidget *highlight() { return control<QWidget>(*form, "shpHighlight"); }
    bool highlighted(int square) { return highlight()->isVisible() && highlight()->geometry() == picture("imgBoard", square)->geometry(); }
};

TEST_F(PinnedCards, AClickedCardStaysWhileTheMouseMovesOnUntilEscape)
{
    click(picture("imgInfo", 39));
    EXPECT_TRUE(deedShows("Mayfair"));
    EXPECT_TRUE(highlighted(39)) << "the board shows whose card it is";

    form->Form_MouseMove();
    EXPECT_TRUE(deedShows("Mayfair")) << "the background leaves a pinned card";
    form->frmPlayerInfo_MouseMove(0);
    EXPECT_TRUE(deedShows("Mayfair"));

    // Hovering still shows other cards; moving off brings the pinned one back.
    form->imgInfo_MouseMove(1);
    EXPECT_TRUE(deedShows("Old Kent Road"));
    form->imgStats_MouseMove(5);
    EXPECT_TRUE(statsShow("King's Cross Station"));
    form->Form_MouseMove();
    EXPECT_TRUE(deedShows("Mayfair"));
    EXPECT_FALSE(stats()->isVisible());

    press(Qt::Key_Escape);
    EXPECT_FALSE(deed()->isVisible());
    EXPECT_FALSE(highlight()->isVisible());
    form->imgInfo_MouseMove(6);
    form->Form_MouseMove();
    EXPECT_FALSE(deed()->isVisible()) << "unpinned, the card follows the mouse again";
}

TEST_F(PinnedCards, AClickElsewhereUnpinsAClickOnTheCardKeepsIt)
{
    click(picture("imgStats", 7));
    EXPECT_TRUE(statsShow("Chance"));
    click(stats());
    EXPECT_TRUE(statsShow("Chance")) << "reading the card is no click elsewhere";
    clickBackground();
    EXPECT_FALSE(stats()->isVisible());

    click(mini(1, 21));
    EXPECT_TRUE(deedShows("Strand"));
    click(picture("imgInfo", 24));
    EXPECT_TRUE(deedShows("Trafalgar Square")) << "a click on another sign pins its card instead";
    click(picture("imgStats", 24));
    EXPECT_TRUE(statsShow("Trafalgar Square"));
    EXPECT_FALSE(deed()->isVisible()) << "one card is pinned at a time";

    click(button("cmdMorgage"));
    EXPECT_FALSE(stats()->isVisible()) << "a button is somewhere else too";
    EXPECT_FALSE(form->pinnedCards().pinned());
}

TEST_F(PinnedCards, TheArrowKeysWalkTheCardsRoundTheBoard)
{
    state.Players[0].Square = 37;
    state.CurrentPlayer = 0;
    press(Qt::Key_Right);
    EXPECT_TRUE(deedShows("Park Lane")) << "the first key starts on the current player's square";
    EXPECT_TRUE(highlighted(37));
    press(Qt::Key_Right);
    EXPECT_TRUE(statsShow("Super Tax")) << "a square without a deed shows its statistics";
    EXPECT_FALSE(deed()->isVisible());
    EXPECT_TRUE(highlighted(38));
    press(Qt::Key_Right);
    EXPECT_TRUE(deedShows("Mayfair"));
    press(Qt::Key_Right);
    EXPECT_TRUE(statsShow("GO")) << "round the corner";
    press(Qt::Key_Left);
    EXPECT_TRUE(deedShows("Mayfair"));

    press(Qt::Key_Up);
    EXPECT_TRUE(statsShow("Mayfair")) << "Up turns to the statistics";
    EXPECT_FALSE(deed()->isVisible());
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_TRUE(statsShow("Old Kent Road")) << "and the walk goes on with them";
    press(Qt::Key_Down);
    EXPECT_TRUE(deedShows("Old Kent Road"));
    EXPECT_TRUE(highlighted(1));

    form->Form_MouseMove();
    EXPECT_TRUE(deedShows("Old Kent Road"));
    press(Qt::Key_Escape);
    EXPECT_FALSE(deed()->isVisible());
    EXPECT_FALSE(stats()->isVisible());
    EXPECT_FALSE(highlight()->isVisible());
}

TEST_F(PinnedCards, TheKeysGoOnFromAClickedCard)
{
    click(picture("imgStats", 12));
    press(Qt::Key_Right);
    EXPECT_TRUE(statsShow("Whitehall")) << "the kind clicked";
    EXPECT_TRUE(highlighted(13));
    state.Players[0].Square = -1;   // a piece not yet on the board starts the keys on GO
    press(Qt::Key_Escape);
    press(Qt::Key_Left);
    EXPECT_TRUE(statsShow("GO"));
}

} // namespace
} // namespace tycora::testing
