// Building and selling under the Full rules, by clicks: the buttons light
// up exactly while the person may act, the windows list each building with
// its price, and the board shows the buildings in each street's slots.

#include "full_rules_window.h"

#include "game/rules.h"

namespace tycora::testing {
namespace {

using ui::ChoiceDialog;

class Builds : public FullRulesWindow {
protected:
    bool houseShown(int slot, int house) const
    {
        return picture(QStringLiteral("imgHouse%1").arg(house), slot)->picture() == picture("imgBuildingHouse")->picture();
    }
    bool hotelShown(int slot) const
    {
        return picture("imgHotel", slot)->picture() == picture("imgBuildingHotel")->picture();
    }
    void choose(ChoiceDialog *d, int square)
    {
        QTest::mouseClick(control<ui::CommandButton>(*d, "cmdChoice", square), Qt::LeftButton);
    }
};

TEST_F(Builds, DeedButtonsAreOffWithNothingToActOn)
{
    start();
    for (const char *name : {"cmdBuild", "cmdSell", "cmdMorgage", "cmdUnmorgage"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("cmdRoll")->isEnabled());
    EXPECT_FALSE(button("cmdBankrupt")->isVisible());
    // Even the handler itself opens nothing while there is nothing to do.
    form->cmdBuild_Click();
    form->cmdSell_Click();
    form->cmdMorgage_Click();
    form->cmdUnmorgage_Click();
    EXPECT_FALSE(form->findChild<ui::ChoiceDialog *>());
    EXPECT_TRUE(boxes.shown.empty()) << "no classic mortgage box either";
}

TEST_F(Builds, APersonBuildsByClicksAndTheListFollowsTheEvenRule)
{
    giveGroup(0, 0);
    start();
    EXPECT_TRUE(button("cmdBuild")->isEnabled());
    EXPECT_TRUE(button("cmdMorgage")->isEnabled());
    EXPECT_FALSE(button("cmdSell")->isEnabled());

    QTest::mouseClick(button("cmdBuild"), Qt::LeftButton);
    ChoiceDialog *d = dialog("frmBuild");
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Build");
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(d->prompt(), QString::fromStdString("Ann (" + Pound + "1500), choose what to build:"));
    EXPECT_EQ(d->captions(), (QStringList{QString::fromStdString("House on Old Kent Road " + Pound + "50"),
                                          QString::fromStdString("House on Whitechapel Road " + Pound + "50")}));

    choose(d, 1);
    EXPECT_EQ(state.Buildings[1].Houses, 1);
    EXPECT_EQ(money(0), 1450);
    EXPECT_TRUE(houseShown(1, 1)) << "Old Kent Road's first slot";
    EXPECT_FALSE(houseShown(1, 2));
    EXPECT_EQ(label("lblStatus")->text(), "Ann Built a House on Old Kent Road");
    EXPECT_EQ(label("lblPlayerInfoMoney", 0)->text(), QString::fromStdString(Pound + "1450"));
    // Built evenly: Whitechapel Road is next, alone.
    EXPECT_EQ(d->captions(), (QStringList{QString::fromStdString("House on Whitechapel Road " + Pound + "50")}));
    EXPECT_TRUE(button("cmdSell")->isEnabled());
    EXPECT_FALSE(button("cmdMorgage")->isEnabled()) << "no mortgage in a group with buildings";

    choose(d, 3);
    EXPECT_TRUE(houseShown(4, 1)) << "Whitechapel Road uses slot 4";
    QTest::mouseClick(control<ui::CommandButton>(*d, "cmdDone"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(state.Buildings[3].Houses, 1);
}

TEST_F(Builds, HotelsAreOfferedAtTheirCostAndTheListEmptiesWithTheCash)
{
    giveGroup(0, 7);   // Park Lane and Mayfair
    for (const int square : {37, 39})
        state.Buildings[square].Houses = 4;
    state.HousesLeft = static_cast<Integer>(state.HousesLeft - 8);
    state.Players[0].Money = 250;
    start();
    QTest::mouseClick(button("cmdBuild"), Qt::LeftButton);
    ChoiceDialog *d = dialog("frmBuild");
    EXPECT_EQ(d->captions(), (QStringList{QString::fromStdString("Hotel on Park Lane " + Pound + "200"),
                                          QString::fromStdString("Hotel on Mayfair " + Pound + "200")}));
    choose(d, 39);
    EXPECT_TRUE(hotelShown(39));
    for (int house = 1; house <= 4; ++house)
        EXPECT_FALSE(houseShown(39, house)) << house;
    EXPECT_TRUE(d->captions().isEmpty());
    EXPECT_EQ(d->prompt(), QString::fromStdString("Ann (" + Pound + "50) can build nothing more now."));
    EXPECT_FALSE(button("cmdBuild")->isEnabled());
}

TEST_F(Builds, EachSideTurnsItsSlotsToFaceTheMiddle)
{
    const auto at = [this](const QString &array, int slot) { return picture(array, slot)->geometry(); };
    // Bottom: the first two streets keep the window's first slots.
    EXPECT_EQ(at("imgHouse1", 1), twipRect(8715, 9750, 210, 210));
    EXPECT_EQ(at("imgHouse4", 1), twipRect(9390, 9750, 210, 210));
    EXPECT_EQ(at("imgHotel", 4), twipRect(7230, 9750, 210, 210));
    EXPECT_EQ(at("imgHouse1", 6), twipRect(4140, 9750, 210, 210));
    // Left: a column down the strip on the tile's right.
    EXPECT_EQ(at("imgHouse1", 11), twipRect(1065, 8730, 210, 210));
    EXPECT_EQ(at("imgHouse2", 11), twipRect(1065, 8955, 210, 210));
    EXPECT_EQ(at("imgHotel", 11), twipRect(1065, 9075, 210, 210));
    // Top: the row along the strip at the tile's foot, mirrored.
    EXPECT_EQ(at("imgHouse1", 21), twipRect(2085, 1080, 210, 210));
    EXPECT_EQ(at("imgHouse4", 21), twipRect(1410, 1080, 210, 210));
    EXPECT_EQ(at("imgHotel", 21), twipRect(1740, 1080, 210, 210));
    // Right: a column up the strip on the tile's left.
    EXPECT_EQ(at("imgHouse1", 39), twipRect(9735, 9420, 210, 210));
    EXPECT_EQ(at("imgHouse4", 39), twipRect(9735, 8745, 210, 210));
    EXPECT_EQ(at("imgHotel", 39), twipRect(9735, 9075, 210, 210));
    // Every street has its five slots; the middle slots stay where they were.
    std::vector<int> expected{0, 1, 2, 3, 4};
    for (const int square : ownableSquares())
        if (groupOf(square) >= 0 && square > 3)
            expected.push_back(square);
    std::sort(expected.begin(), expected.end());
    for (const char *array : {"imgHouse1", "imgHouse2", "imgHouse3", "imgHouse4", "imgHotel"})
        EXPECT_EQ(controlIndexes(*form, array), expected) << array;
    EXPECT_EQ(at("imgHouse1", 0), twipRect(3495, 4455, 210, 210));
    EXPECT_EQ(at("imgHotel", 3), twipRect(5130, 2820, 210, 210));
}

TEST_F(Builds, SellingListsWhatEachBuildingFetchesAndClearsItsSlot)
{
    giveGroup(0, 0);
    state.Buildings[1] = {4, true};
    state.Buildings[3].Houses = 4;
    state.HousesLeft = static_cast<Integer>(state.HousesLeft - 4);
    state.HotelsLeft = static_cast<Integer>(state.HotelsLeft - 1);
    for (const int square : {1, 3})
        form->screen().squareChanged(square);
    start();
    EXPECT_TRUE(button("cmdSell")->isEnabled());
    QTest::mouseClick(button("cmdSell"), Qt::LeftButton);
    ChoiceDialog *d = dialog("frmSell");
    EXPECT_EQ(d->windowTitle(), "Sell Buildings");
    // Evenly in reverse: only the hotel may go first, for half its cost.
    EXPECT_EQ(d->captions(), (QStringList{QString::fromStdString("Hotel on Old Kent Road " + Pound + "25")}));
    choose(d, 1);
    EXPECT_EQ(money(0), 1525);
    EXPECT_FALSE(hotelShown(1));
    for (int house = 1; house <= 4; ++house)
        EXPECT_TRUE(houseShown(1, house)) << "the hotel came back as four houses " << house;
    EXPECT_EQ(d->captions(), (QStringList{QString::fromStdString("House on Old Kent Road " + Pound + "25"),
                                          QString::fromStdString("House on Whitechapel Road " + Pound + "25")}));
    choose(d, 3);
    EXPECT_FALSE(houseShown(4, 4));
    EXPECT_TRUE(houseShown(4, 3));
    EXPECT_EQ(label("lblStatus")->text(), "Ann Sells a House on Whitechapel Road");
}

TEST_F(Builds, AnOpenListClosesWhenTheTurnPassesToSomeoneElse)
{
    giveGroup(0, 0);
    start();
    QTest::mouseClick(button("cmdBuild"), Qt::LeftButton);
    ASSERT_TRUE(dialog("frmBuild")->isVisible());
    // The list's person throws (the keyboard would be blocked by the modal
    // list; the engine is driven directly): the actions change hands.
    dice.push(1);
    dice.push(2);
    engine->rollDice(0);
    EXPECT_FALSE(dialog("frmBuild")->isVisible());
}

} // namespace
} // namespace tycora::testing
