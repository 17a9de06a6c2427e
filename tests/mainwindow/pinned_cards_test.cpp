// Cards by click and keyboard: a click on a sign or a mini deed pins its
// card until Escape or a click elsewhere; the arrow keys walk a pinned card
// round the board.

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
    void press(Qt::Key key) { QTest::keyClick(form.get(), key); }
    bool deedShows(const char *where) { return frame("frmProperty")->isVisible() && label("lblWhere")->text() == where; }
    bool statsShow(const char *where) { return frame("frmStats")->isVisible() && label("lblStatsWhere")->text() == where; }
    QWidget *frameOnBoard() { return control<QWidget>(*form, "shpHighlight"); }
    bool highlighted(int square)
    {
        return frameOnBoard()->isVisible() && frameOnBoard()->geometry() == picture("imgBoard", square)->geometry();
    }
    bool nothingPinned() { return frame("frmProperty")->isHidden() && frame("frmStats")->isHidden() && frameOnBoard()->isHidden(); }
};

TEST_F(PinnedCards, AClickedCardStaysWhileTheMouseMovesOnUntilEscape)
{
    click(picture("imgInfo", 39));
    EXPECT_TRUE(deedShows("Mayfair"));
    EXPECT_TRUE(highlighted(39)) << "the board shows whose card it is";
    form->Form_MouseMove();
    form->frmPlayerInfo_MouseMove(0);
    EXPECT_TRUE(deedShows("Mayfair")) << "the background leaves a pinned card";

    // Hovering still shows other cards; moving off brings the pinned one back.
    form->imgInfo_MouseMove(1);
    EXPECT_TRUE(deedShows("Old Kent Road"));
    form->Form_MouseMove();
    EXPECT_TRUE(deedShows("Mayfair"));

    press(Qt::Key_Escape);
    EXPECT_TRUE(nothingPinned());
    form->imgInfo_MouseMove(6);
    form->Form_MouseMove();
    EXPECT_FALSE(frame("frmProperty")->isVisible()) << "the card follows the mouse again";
}

TEST_F(PinnedCards, AClickElsewhereUnpinsAClickOnTheCardKeepsIt)
{
    click(picture("imgStats", 7));
    click(frame("frmStats"));
    EXPECT_TRUE(statsShow("Chance")) << "reading the card is no click elsewhere";
    const QPoint background(200, 450);
    ASSERT_EQ(form->childAt(background), nullptr);
    QTest::mouseClick(form.get(), Qt::LeftButton, Qt::NoModifier, background);
    EXPECT_TRUE(nothingPinned());

    click(mini(1, 21));
    EXPECT_TRUE(deedShows("Strand"));
    click(picture("imgStats", 24));
    EXPECT_TRUE(statsShow("Trafalgar Square"));
    EXPECT_FALSE(frame("frmProperty")->isVisible()) << "one card at a time";
    click(button("cmdMorgage"));
    EXPECT_TRUE(nothingPinned()) << "a button is somewhere else too";
}

TEST_F(PinnedCards, TheArrowKeysWalkTheCardsRoundTheBoard)
{
    state.Players[0].Square = 38;
    press(Qt::Key_Down);
    EXPECT_TRUE(statsShow("Super Tax")) << "the first key starts on the current player's square";
    EXPECT_TRUE(highlighted(38));
    press(Qt::Key_Down);
    EXPECT_TRUE(deedShows("Mayfair")) << "down the right side; a deed where the square has one";
    press(Qt::Key_Down);
    EXPECT_TRUE(statsShow("GO"));
    press(Qt::Key_Up);
    press(Qt::Key_Right);
    EXPECT_TRUE(statsShow("Mayfair")) << "an arrow across the side turns to the statistics";
    press(Qt::Key_Down);
    press(Qt::Key_Left);
    EXPECT_TRUE(statsShow("Old Kent Road")) << "and the walk goes on with them, leftwards along the bottom";
    EXPECT_TRUE(highlighted(1));
    press(Qt::Key_Up);
    EXPECT_TRUE(deedShows("Old Kent Road"));
    press(Qt::Key_Escape);
    EXPECT_TRUE(nothingPinned());

    click(picture("imgStats", 12));
    press(Qt::Key_Up);
    EXPECT_TRUE(statsShow("Whitehall")) << "the keys go on from a clicked card, with its kind";
}

TEST_F(PinnedCards, EachArrowMovesTheHighlightItsWayOnEverySide)
{
    struct Case {
        int from;
        Qt::Key key;
        int to;
    };
    const Case cases[] = {
        {5, Qt::Key_Left, 6},    {5, Qt::Key_Right, 4},   // the bottom row
        {15, Qt::Key_Up, 16},    {15, Qt::Key_Down, 14},  // the left column
        {25, Qt::Key_Right, 26}, {25, Qt::Key_Left, 24},  // the top row
        {35, Qt::Key_Down, 36},  {35, Qt::Key_Up, 34},    // the right column
        {0, Qt::Key_Left, 1},    {0, Qt::Key_Up, 39},     // and round each corner
        {10, Qt::Key_Right, 9},  {10, Qt::Key_Up, 11},   {20, Qt::Key_Down, 19},
        {20, Qt::Key_Right, 21}, {30, Qt::Key_Left, 29}, {30, Qt::Key_Down, 31},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << c.from << ", key " << c.key);
        press(Qt::Key_Escape);
        state.Players[0].Square = static_cast<Integer>(c.from);
        press(c.key);
        ASSERT_TRUE(highlighted(c.from));
        press(c.key);
        EXPECT_TRUE(highlighted(c.to));
    }
}

TEST_F(PinnedCards, TheCardUnderTheMouseStaysWhileComputersPlayAtInstantPace)
{
    // The game shows and hides its own deed at every throw and purchase;
    // the card under the mouse comes back each time.
    state.CurrentPlayer = 1;   // Ben, a computer, is playing
    struct Case {
        const char *sign;
        int square;
    };
    for (const Case c : {Case{"imgInfo", 39}, Case{"imgStats", 12}}) {
        SCOPED_TRACE(c.sign);
        QTest::mouseMove(picture(c.sign, c.square), picture(c.sign, c.square)->rect().center());
        const bool deed = QString::fromLatin1(c.sign) == "imgInfo";
        const auto showsHovered = [&] { return deed ? deedShows("Mayfair") : statsShow("Electric Company"); };
        ASSERT_TRUE(showsHovered());
        for (int i = 0; i < 3; ++i) {
            screen().setPropertyCardVisible(false);
            EXPECT_TRUE(showsHovered()) << "after a throw";
            screen().showPropertyCard(6);
            screen().setPropertyCardVisible(true);
            EXPECT_TRUE(showsHovered()) << "after a purchase";
            if (!deed) {
                // Where the game's deed covers the statistics, they lie on top.
                const QObjectList &stack = form->children();
                EXPECT_GT(stack.indexOf(frame("frmStats")), stack.indexOf(frame("frmProperty")));
            }
        }
        // The mouse moves on: the game's cards are the game's again.
        QTest::mouseMove(form.get(), QPoint(200, 450));
        screen().showPropertyCard(6);
        screen().setPropertyCardVisible(true);
        EXPECT_TRUE(deedShows("The Angel Islington"));
        screen().setPropertyCardVisible(false);
    }
}

TEST_F(PinnedCards, TheGamesOwnDeedTakesThePlaceOfAPinnedOne)
{
    click(picture("imgInfo", 39));
    screen().setPropertyCardVisible(false);
    EXPECT_TRUE(deedShows("Mayfair")) << "a throw leaves the pinned deed in view";
    EXPECT_TRUE(highlighted(39));

    // A square to buy: its deed replaces the pinned one, which is let go.
    screen().showPropertyCard(6);
    screen().setPropertyCardVisible(true);
    EXPECT_TRUE(deedShows("The Angel Islington"));
    EXPECT_TRUE(frameOnBoard()->isHidden());
    form->Form_MouseMove();
    EXPECT_TRUE(deedShows("The Angel Islington")) << "the mouse does not bring the old pin back";

    screen().setPropertyCardVisible(false);
    form->Form_MouseMove();
    EXPECT_TRUE(nothingPinned()) << "after No the deed goes and nothing comes back";
}

} // namespace
} // namespace tycora::testing
