// Mortgages under the Full rules, by clicks: the Mortgage Property window
// shows the person's deeds as cards in their columns, choosing a card
// mortgages it or lifts its mortgage, and the board's banner and the
// panel's mini follow.

#include "full_rules_window.h"

#include "assets/full_rules_art.h"
#include "assets/game_pictures.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/toolkit/shape.h"

namespace tycora::testing {
namespace {

using ui::FrmMortgage;

class Mortgages : public FullRulesWindow {
protected:
    FrmMortgage *window() const { return topLevel<FrmMortgage>("Mortgage Property"); }
    ui::Picture *card(int square) const { return window()->imgMortgageCard(square); }
    void clickCard(int square) { QTest::mouseClick(card(square), Qt::LeftButton, {}, QPoint(5, 5)); }
    const ui::PictureList &cards() const { return art::GamePictures::instance().imgsMortgage; }
    ui::Picture *banner(int square) const { return picture("imgMortgaged", square); }
    ui::Picture *mini(int player, int square) const { return picture(QStringLiteral("imgMini%1").arg(player), square); }
};

TEST_F(Mortgages, TheWindowShowsTheDeedsInTheirColumnsAndMortgagesTheChosenOne)
{
    giveGroup(0, 0);
    give(0, 5);
    give(0, 39);
    give(0, 28);
    start();
    ASSERT_TRUE(button("cmdMorgage")->isEnabled());
    EXPECT_FALSE(button("cmdUnmorgage")->isEnabled());
    QTest::mouseClick(button("cmdMorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->lblHeading->text(),
              QString::fromStdString("Ann (" + Pound + "1500), choose a deed to mortgage for its mortgage value."));

    // Columns 585 apart from 2460: the colour groups, stations, utilities;
    // each card 210 below the one before.
    EXPECT_EQ(card(1)->geometry(), twipRect(2460, 4035, 405, 480));
    EXPECT_EQ(card(3)->geometry(), twipRect(2460, 4245, 405, 480));
    EXPECT_EQ(card(9)->geometry(), twipRect(3045, 4455, 405, 480));
    EXPECT_EQ(card(39)->geometry(), twipRect(6555, 4245, 405, 480));
    EXPECT_EQ(card(5)->geometry(), twipRect(7140, 4035, 405, 480));
    EXPECT_EQ(card(35)->geometry(), twipRect(7140, 4665, 405, 480));
    EXPECT_EQ(card(28)->geometry(), twipRect(7725, 4245, 405, 480));
    EXPECT_EQ(w->imgMortgageCard.count(), 28);
    // The specified outlines are where they were.
    EXPECT_EQ(w->shpProperty(9)->geometry(), twipRect(3045, 4455, 405, 480));

    EXPECT_EQ(card(1)->picture(), cards().picture(2));
    EXPECT_EQ(card(39)->picture(), cards().picture(9));
    EXPECT_EQ(card(5)->picture(), art::stationMortgageCard());
    EXPECT_EQ(card(28)->picture(), art::utilityMortgageCard(false));
    EXPECT_EQ(card(6)->picture(), cards().picture(1)) << "someone else's or nobody's: blank";
    EXPECT_EQ(card(3)->toolTip(), QString::fromStdString("Whitechapel Road: mortgage for " + Pound + "30"));

    clickCard(39);
    EXPECT_TRUE(state.Properties[39].Mortgaged);
    EXPECT_EQ(money(0), 1700);
    EXPECT_TRUE(logged("Ann (" + Pound + "1500) Mortgages Mayfair  -->  " + Pound + "1700"));
    EXPECT_EQ(label("lblStatus")->text(), "Ann Mortgages Mayfair");
    EXPECT_EQ(card(39)->picture(), art::mortgagedCard(cards().picture(9)));
    EXPECT_EQ(card(39)->toolTip(), "Mayfair is mortgaged");
    EXPECT_EQ(banner(39)->picture(), picture("imgMortgageRight")->picture());
    EXPECT_EQ(mini(0, 39)->picture(), art::mortgagedMini(picture("imgMiniTemp")->picture()));
    EXPECT_TRUE(button("cmdUnmorgage")->isEnabled());

    // A card that may not be chosen does nothing.
    clickCard(39);
    clickCard(6);
    EXPECT_EQ(money(0), 1700);
}

TEST_F(Mortgages, LiftingAMortgageShowsItsPriceAndClearsTheMarks)
{
    giveGroup(0, 0);
    state.Properties[1].Mortgaged = true;
    form->screen().showMortgaged(1, true);
    start();
    EXPECT_EQ(banner(1)->picture(), picture("imgMortgageBottom")->picture());
    EXPECT_EQ(banner(1)->geometry(), twipRect(8715, 9645, 900, 105));
    ASSERT_TRUE(button("cmdUnmorgage")->isEnabled());
    EXPECT_FALSE(button("cmdBuild")->isEnabled()) << "a mortgage in the group stops building";

    QTest::mouseClick(button("cmdUnmorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->lblHeading->text(), QString::fromStdString("Ann (" + Pound +
                                                            "1500), choose a mortgage to lift: its value and a tenth more."));
    EXPECT_EQ(card(1)->toolTip(), QString::fromStdString("Old Kent Road: lift the mortgage for " + Pound + "33"));
    EXPECT_EQ(card(3)->toolTip(), "Whitechapel Road is not mortgaged");
    EXPECT_EQ(card(1)->picture(), art::mortgagedCard(cards().picture(2)));
    // Under the cards: the price of each mortgage that may be lifted; the
    // note of the card the mouse is over.
    EXPECT_EQ(w->lblDeed->text(), QString::fromStdString("Old Kent Road " + Pound + "33"));
    QTest::mouseMove(card(1), QPoint(5, 5));
    EXPECT_EQ(w->lblDeed->text(), card(1)->toolTip());

    clickCard(1);
    EXPECT_FALSE(state.Properties[1].Mortgaged);
    EXPECT_EQ(money(0), 1467);
    EXPECT_TRUE(banner(1)->picture().isNull());
    EXPECT_EQ(mini(0, 1)->picture(), art::GamePictures::instance().imgsMinis.picture(2));
    EXPECT_EQ(w->lblHeading->text(), QString::fromStdString("Ann (" + Pound + "1467) has no mortgage to lift now."));
    EXPECT_FALSE(button("cmdUnmorgage")->isEnabled());
    EXPECT_TRUE(button("cmdBuild")->isEnabled());
    QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(Mortgages, BannersLieAcrossTheStripOnEverySideTurnedToTheMiddle)
{
    for (const int square : {1, 11, 21, 39})
        give(0, square);
    start();
    struct Expected {
        int square;
        QRect place;
        const char *picture;
    };
    const Expected expected[] = {
        {1, twipRect(8715, 9645, 900, 105), "imgMortgageBottom"},
        {11, twipRect(1275, 8730, 105, 900), "imgMortgageLeft"},
        {21, twipRect(1395, 1290, 900, 105), "imgMortgageTop"},
        {39, twipRect(9630, 8730, 105, 900), "imgMortgageRight"},
    };
    for (const Expected &e : expected) {
        EXPECT_TRUE(banner(e.square)->picture().isNull()) << e.square;
        ASSERT_TRUE(engine->mortgage(0, e.square)) << e.square;
        EXPECT_EQ(banner(e.square)->geometry(), e.place) << e.square;
        EXPECT_EQ(banner(e.square)->picture(), picture(e.picture)->picture()) << e.square;
    }
    // The classic middle slots and every ownable square have a banner slot.
    std::vector<int> expectedSlots{0, 1, 2, 3};
    for (const int square : ownableSquares())
        if (square > 3)
            expectedSlots.push_back(square);
    EXPECT_EQ(controlIndexes(*form, "imgMortgaged"), expectedSlots);
    EXPECT_EQ(banner(3)->geometry(), twipRect(6885, 9645, 900, 105));
    EXPECT_EQ(banner(0)->geometry(), twipRect(3105, 2745, 900, 105));

    // Grabbed, the left banner's red word shows on the strip.
    const QImage shot = form->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const QRect left(banner(11)->geometry().topLeft() * dpr, banner(11)->geometry().size() * dpr);
    int red = 0;
    for (int y = left.top(); y <= left.bottom(); ++y)
        for (int x = left.left(); x <= left.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    EXPECT_GT(red, 20);
}

TEST_F(Mortgages, AMortgagedDeedPassedOnKeepsItsMarkInTheNewPanel)
{
    give(0, 39);
    state.Properties[39].Mortgaged = true;
    start();
    state.Properties[39].Owner = 1;
    form->screen().clearOwnedMini(0, 39);
    form->screen().showOwnedMini(1, 39);
    EXPECT_EQ(mini(0, 39)->picture(), art::GamePictures::instance().imgsMinis.picture(1));
    EXPECT_EQ(mini(1, 39)->picture(), art::mortgagedMini(art::GamePictures::instance().imgsMinis.picture(9)));
}

} // namespace
} // namespace tycora::testing
