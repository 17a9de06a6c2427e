// Mortgages under the Full rules, by clicks and keys: the Mortgage Property
// window shows the person's deeds as cards grouped by colour, choosing a
// card mortgages it or lifts its mortgage, and the board's banner and the
// panel's mini follow.

#include "full_rules_window.h"

#include "assets/full_rules_art.h"
#include "assets/game_pictures.h"
#include "game/square_table.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/shell/mortgage_card.h"
#include "toolkit/command_button.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"

#include <QDir>
#include <QScreen>
#include <QWindow>

#include <set>

namespace tycora::testing {
namespace {

using ui::FrmMortgage;
using ui::MortgageCard;

class Mortgages : public FullRulesWindow {
protected:
    FrmMortgage *window() const { return topLevel<FrmMortgage>("Mortgage Property"); }
    MortgageCard *card(int square) const
    {
        return control<MortgageCard>(*window(), QStringLiteral("deedCard%1").arg(square));
    }
    // A click near the card's far corner: the whole card is the button.
    void clickCard(int square)
    {
        MortgageCard *c = card(square);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(c->width() - 4, c->height() - 4));
    }
    ui::Picture *banner(int square) const { return picture("imgMortgaged", square); }
    ui::Picture *mini(int player, int square) const { return picture(QStringLiteral("imgMini%1").arg(player), square); }
    // A picture to look at, into the folder TYCORA_TEST_PICTURES names.
    static void keepPicture(QWidget &window, const QString &name)
    {
        if (const QString folder = qEnvironmentVariable("TYCORA_TEST_PICTURES"); !folder.isEmpty())
            window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
    // The squares of the shown cards.
    std::vector<int> shownCards() const
    {
        std::vector<int> shown;
        for (const int square : ownableSquares())
            if (card(square)->isVisible())
                shown.push_back(square);
        return shown;
    }
};

struct FaceSeen {
    int square;
    const char *name, *state;
    std::string action;
    bool mortgaged, choosable;
};

void expectFace(const MortgageCard *card, const FaceSeen &e)
{
    SCOPED_TRACE(e.name);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(card->face().name, e.name);
    EXPECT_EQ(card->face().state, e.state);
    EXPECT_EQ(card->face().action, QString::fromStdString(e.action));
    EXPECT_EQ(card->face().mortgaged, e.mortgaged);
    EXPECT_EQ(card->face().choosable, e.choosable);
}

TEST_F(Mortgages, EachDeedIsALargeCardGroupedByColourAndAClickAnywhereOnItMortgagesIt)
{
    giveGroup(0, 0);
    give(0, 5);
    give(0, 39);
    give(0, 28);
    give(1, 6);
    start();
    ASSERT_TRUE(button("cmdMorgage")->isEnabled());
    EXPECT_FALSE(button("cmdUnmorgage")->isEnabled());
    QTest::mouseClick(button("cmdMorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isModal());
    EXPECT_EQ(w->windowTitle(), "Mortgage Property");
    EXPECT_EQ(control<ui::Label>(*w, "lblHeading")->text(),
              QString::fromStdString("Ann (" + Pound + "1500), choose a deed to mortgage for its mortgage value."));

    // Ann's deeds only, by set: the brown group, the dark blue, the
    // stations, the utilities.
    EXPECT_EQ(shownCards(), (std::vector<int>{1, 3, 5, 28, 39}));
    EXPECT_LT(card(3)->y(), card(39)->y());
    EXPECT_LT(card(39)->y(), card(5)->y());
    EXPECT_LT(card(5)->y(), card(28)->y());
    EXPECT_EQ(w->findChildren<MortgageCard *>().size(), 28);
    expectFace(card(1), {1, "Old Kent Road", "Not mortgaged", "Mortgage for " + Pound + "30", false, true});
    expectFace(card(39), {39, "Mayfair", "Not mortgaged", "Mortgage for " + Pound + "200", false, true});
    expectFace(card(5), {5, "King's Cross Station", "Not mortgaged", "Mortgage for " + Pound + "100", false, true});
    EXPECT_EQ(card(1)->face().picture, art::GamePictures::instance().imgsMortgage.picture(2));
    EXPECT_EQ(card(5)->face().picture, art::stationMortgageCard());
    EXPECT_EQ(card(28)->face().picture, art::utilityMortgageCard(false));
    EXPECT_EQ(card(3)->toolTip(), QString::fromStdString("Whitechapel Road: mortgage for " + Pound + "30"));

    // Large, apart and in one column; a group's cards close together, the
    // groups further apart.
    for (const int square : shownCards()) {
        const QRect r = card(square)->geometry();
        EXPECT_GE(r.width(), 250) << square;
        EXPECT_EQ(card(square)->cursor().shape(), Qt::PointingHandCursor) << square;
        EXPECT_GE(r.height(), 40) << square;
        EXPECT_TRUE(w->rect().contains(r)) << square;
        EXPECT_GT(r.top(), control<ui::Label>(*w, "lblHeading")->geometry().bottom()) << square;
        EXPECT_LT(r.bottom(), control<ui::Label>(*w, "lblDeed")->geometry().top()) << square;
        EXPECT_EQ(r.left(), card(1)->x()) << square;
    }
    const auto gap = [this](int upper, int lower) { return card(lower)->y() - card(upper)->geometry().bottom() - 1; };
    EXPECT_GT(gap(1, 3), 0);
    EXPECT_GT(gap(3, 39), gap(1, 3) + 4);
    EXPECT_GT(gap(39, 5), gap(1, 3) + 4);
    EXPECT_GT(gap(5, 28), gap(1, 3) + 4);
    // No empty outline and no empty half window: the cards fill the width
    // between the margins, and the window ends under the Close button.
    for (const int square : {1, 3, 6, 8, 9})
        EXPECT_FALSE(control<ui::Shape>(*w, QStringLiteral("shpProperty%1").arg(square))->isVisible());
    EXPECT_FALSE(control<ui::Shape>(*w, "Shape3")->isVisible());
    EXPECT_LE(w->width() - card(1)->width(), 40);
    EXPECT_LE(w->height() - control<ui::CommandButton>(*w, "cmdClose")->geometry().bottom(), 16);
    // Over the board, in the middle of what the screen shows of it, as the
    // board's own window.
    const QRect area = form->QWidget::screen()->availableGeometry();
    const QRect boardShown = form->frameGeometry().intersected(area);
    QRect centred(QPoint(0, 0), w->frameGeometry().size());
    centred.moveCenter(boardShown.center());
    if (area.contains(centred))
        EXPECT_LE((w->frameGeometry().center() - boardShown.center()).manhattanLength(), 2);
    else
        EXPECT_TRUE(area.contains(w->frameGeometry().topLeft())) << "a small screen: on it, not centred";
    ASSERT_NE(w->windowHandle(), nullptr);
    EXPECT_EQ(w->windowHandle()->transientParent(), form->windowHandle());

    keepPicture(*w, QStringLiteral("mortgage-window"));
    clickCard(39);
    EXPECT_TRUE(state.Properties[39].Mortgaged);
    EXPECT_EQ(money(0), 1700);
    EXPECT_TRUE(logged("Ann (" + Pound + "1500) Mortgages Mayfair  -->  " + Pound + "1700"));
    EXPECT_EQ(label("lblStatus")->text(), "Ann Mortgages Mayfair");
    expectFace(card(39), {39, "Mayfair", "Mortgaged", "Mortgaged for " + Pound + "200", true, false});
    EXPECT_EQ(card(39)->face().picture, art::mortgagedCard(art::GamePictures::instance().imgsMortgage.picture(9)));
    EXPECT_EQ(card(39)->toolTip(), "Mayfair is mortgaged");
    EXPECT_EQ(banner(39)->picture(), art::bannerOnPlaque(picture("imgMortgageRight")->picture()));
    EXPECT_EQ(mini(0, 39)->picture(), art::mortgagedMini(picture("imgMiniTemp")->picture()));
    EXPECT_TRUE(button("cmdUnmorgage")->isEnabled());

    // A card that may not be chosen does nothing, by click or key.
    clickCard(39);
    QTest::keyClick(card(39), Qt::Key_Space);
    EXPECT_EQ(money(0), 1700);
}

TEST_F(Mortgages, TheKeysWalkTheCardsAndSpaceOrEnterChooses)
{
    giveGroup(0, 0);
    giveGroup(0, 1);
    give(0, 5);
    start();
    QTest::mouseClick(button("cmdMorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    // The focus starts on the first card that may be chosen, whose note
    // shows under the cards.
    EXPECT_EQ(w->focusWidget(), card(1));
    EXPECT_EQ(control<ui::Label>(*w, "lblDeed")->text(), card(1)->toolTip());

    QTest::keyClick(card(1), Qt::Key_Down);
    EXPECT_EQ(w->focusWidget(), card(3));
    QTest::keyClick(card(3), Qt::Key_Down);
    EXPECT_EQ(w->focusWidget(), card(6)) << "on into the next group";
    QTest::keyClick(card(6), Qt::Key_Up);
    EXPECT_EQ(w->focusWidget(), card(3));
    QTest::keyClick(card(3), Qt::Key_Up);
    QTest::keyClick(card(1), Qt::Key_Up);
    EXPECT_EQ(w->focusWidget(), card(1)) << "nothing above the first card";

    QTest::keyClick(card(1), Qt::Key_Space);
    EXPECT_TRUE(state.Properties[1].Mortgaged);
    EXPECT_EQ(money(0), 1530);
    QTest::keyClick(card(5), Qt::Key_Return);
    EXPECT_TRUE(state.Properties[5].Mortgaged);
    QTest::keyClick(card(9), Qt::Key_Enter);
    EXPECT_TRUE(state.Properties[9].Mortgaged);
    EXPECT_EQ(money(0), 1690);

    // Tab goes from card to card in board order, then to Close.
    card(6)->setFocus();
    QTest::keyClick(card(6), Qt::Key_Tab);
    EXPECT_EQ(w->focusWidget(), card(8));
}

TEST_F(Mortgages, EveryDeedOfTheBoardFitsInThreeColumnsOnASmallScreen)
{
    for (const int square : ownableSquares())
        give(0, square);
    start();
    QTest::mouseClick(button("cmdMorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(shownCards().size(), 28u);
    keepPicture(*w, QStringLiteral("mortgage-window-every-deed"));
    EXPECT_LE(w->width(), 1000);
    EXPECT_LE(w->height(), 700);
    std::set<int> columns;
    std::vector<QRect> seen;
    for (const int square : shownCards()) {
        const QRect r = card(square)->geometry();
        EXPECT_TRUE(w->rect().contains(r)) << square;
        for (const QRect &other : seen)
            EXPECT_FALSE(r.intersects(other)) << square;
        seen.push_back(r);
        columns.insert(r.left());
    }
    EXPECT_EQ(columns.size(), 3u);
    // A group never splits across columns.
    for (int group = 0; group < GroupCount; ++group) {
        const auto streets = groupSquares(group);
        for (const int square : streets)
            EXPECT_EQ(card(square)->x(), card(streets.front())->x()) << square;
    }
    // Right from the first column goes to the second.
    QTest::keyClick(card(1), Qt::Key_Right);
    EXPECT_GT(w->focusWidget()->x(), card(1)->x());
}

TEST_F(Mortgages, LiftingAMortgageShowsItsPriceAndClearsTheMarks)
{
    giveGroup(0, 0);
    state.Properties[1].Mortgaged = true;
    form->screen().squareChanged(1);
    start();
    EXPECT_EQ(banner(1)->picture(), art::bannerOnPlaque(picture("imgMortgageBottom")->picture()));
    EXPECT_EQ(banner(1)->geometry(), twipRect(8715, 9645, 900, 105));
    ASSERT_TRUE(button("cmdUnmorgage")->isEnabled());
    EXPECT_FALSE(button("cmdBuild")->isEnabled()) << "a mortgage in the group stops building";

    QTest::mouseClick(button("cmdUnmorgage"), Qt::LeftButton);
    FrmMortgage *w = window();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(control<ui::Label>(*w, "lblHeading")->text(), QString::fromStdString("Ann (" + Pound +
                                                            "1500), choose a mortgage to lift: its value and a tenth more."));
    expectFace(card(1), {1, "Old Kent Road", "Mortgaged", "Lift the mortgage for " + Pound + "33", true, true});
    expectFace(card(3), {3, "Whitechapel Road", "Not mortgaged", "No mortgage to lift", false, false});
    EXPECT_EQ(card(1)->toolTip(), QString::fromStdString("Old Kent Road: lift the mortgage for " + Pound + "33"));
    EXPECT_EQ(card(3)->toolTip(), "Whitechapel Road is not mortgaged");
    EXPECT_EQ(card(1)->face().picture, art::mortgagedCard(art::GamePictures::instance().imgsMortgage.picture(2)));
    // Under the cards: the note of the card the mouse is over.
    // (Moved on the window itself: it lies over the board.)
    QTest::mouseMove(w->windowHandle(), card(3)->mapTo(w, QPoint(5, 5)));
    EXPECT_EQ(control<ui::Label>(*w, "lblDeed")->text(), card(3)->toolTip());
    keepPicture(*w, QStringLiteral("mortgage-window-lifting"));
    EXPECT_TRUE(card(3)->pointedAt());
    QTest::mouseMove(w->windowHandle(), QPoint(2, 2));
    EXPECT_EQ(control<ui::Label>(*w, "lblDeed")->text(), card(1)->toolTip()) << "off the cards: the focused card's note";

    clickCard(1);
    EXPECT_FALSE(state.Properties[1].Mortgaged);
    EXPECT_EQ(money(0), 1467);
    EXPECT_TRUE(banner(1)->picture().isNull());
    EXPECT_EQ(mini(0, 1)->picture(), art::GamePictures::instance().imgsMinis.picture(2));
    EXPECT_EQ(control<ui::Label>(*w, "lblHeading")->text(), QString::fromStdString("Ann (" + Pound + "1467) has no mortgage to lift now."));
    expectFace(card(1), {1, "Old Kent Road", "Not mortgaged", "No mortgage to lift", false, false});
    EXPECT_FALSE(button("cmdUnmorgage")->isEnabled());
    EXPECT_TRUE(button("cmdBuild")->isEnabled());
    QTest::mouseClick(control<ui::CommandButton>(*w, "cmdClose"), Qt::LeftButton);
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
        EXPECT_EQ(banner(e.square)->picture(), art::bannerOnPlaque(picture(e.picture)->picture())) << e.square;
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
    form->screen().squareChanged(39);
    EXPECT_EQ(mini(0, 39)->picture(), art::GamePictures::instance().imgsMinis.picture(1));
    EXPECT_EQ(mini(1, 39)->picture(), art::mortgagedMini(art::GamePictures::instance().imgsMinis.picture(9)));
}

} // namespace
} // namespace tycora::testing
