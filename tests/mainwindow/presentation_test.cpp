// What the presentation procedures put on the main window: dice faces,
// pieces, owner bars and minis, the player panels, the current player and
// the status line.

#include "main_window_support.h"

#include "assets/game_pictures.h"
#include "ui/main/player_colours.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"

#include <set>

namespace tycora::testing {
namespace {

using ui::Shape;

class Presentation : public MainWindowTest {
protected:
    std::set<int> filledPips(int die) const
    {
        const QString pips = QStringLiteral("shpDice%1Dot").arg(die);
        std::set<int> filled;
        for (int i = 0; i <= 6; ++i)
            if (shape(pips, i)->fillStyle() == Shape::FillStyle::Solid)
                filled.insert(i);
        return filled;
    }
    int centreTwips(const QWidget *w) const { return ui::leftTwips(w) + ui::widthTwips(w) / 2; }
};

TEST_F(Presentation, DiceFacesArePipsOfTheTable)
{
    const std::set<int> faces[] = {{3}, {0, 6}, {0, 3, 6}, {0, 2, 4, 6}, {0, 2, 3, 4, 6}, {0, 1, 2, 4, 5, 6}};
    for (int value = 1; value <= 6; ++value) {
        screen().showDie(1, value);
        screen().showDie(2, value);
        EXPECT_EQ(filledPips(1), faces[value - 1]) << value;
        EXPECT_EQ(filledPips(2), faces[value - 1]) << "doubles look alike " << value;
    }
    screen().showDie(1, 6);
    screen().showDie(1, 1);
    EXPECT_EQ(filledPips(1), std::set<int>{3});

    screen().showDie(2, 0);
    EXPECT_TRUE(filledPips(2).empty());
    screen().showDie(2, 5);
    screen().showDie(2, 7);
    EXPECT_TRUE(filledPips(2).empty());
    EXPECT_EQ(filledPips(1), std::set<int>{3}) << "die 1 untouched";

    screen().showDie(2, 4);
    screen().showDie(3, 4);
    screen().showDie(0, 1);
    EXPECT_EQ(filledPips(1), std::set<int>{3});
    EXPECT_EQ(filledPips(2), (std::set<int>{0, 2, 4, 6}));

    // The pips lie where the faces need them.
    EXPECT_EQ(shape("shpDice1Dot", 0)->geometry(), twipRect(195, 285, 105, 105));
    EXPECT_EQ(shape("shpDice2Dot", 6)->geometry(), twipRect(1140, 525, 105, 135));
}

TEST_F(Presentation, ColourTablesWithBlackOutOfRange)
{
    EXPECT_EQ(ui::lightColour(0), QColor(255, 192, 192));
    EXPECT_EQ(ui::strongColour(2), QColor(0, 192, 0));
    EXPECT_EQ(ui::lightColour(5), QColor(255, 192, 255));
    EXPECT_EQ(ui::strongColour(3), QColor(192, 192, 0));
    EXPECT_EQ(ui::lightColour(6), QColor(0, 0, 0));
    EXPECT_EQ(ui::strongColour(-1), QColor(0, 0, 0));
    EXPECT_EQ(ui::GroupColour(0), QColor(141, 83, 14));
    EXPECT_EQ(ui::GroupColour(7), QColor(16, 30, 66));
    EXPECT_EQ(ui::GroupColour(8), QColor(0, 0, 0));
}

TEST_F(Presentation, PanelsGetNamesColoursPiecesAndTypes)
{
    screen().setupPlayerPanels();
    EXPECT_EQ(frame("frmPlayerInfo", 0)->caption(), "Ann");
    EXPECT_EQ(shape("shpPlayerInfo", 0)->fillColour(), ui::lightColour(0));
    EXPECT_EQ(shape("shpPlayerInfo", 1)->borderColour(), ui::strongColour(1));
    const auto &pieces = art::GamePictures::instance().imgsPieces;
    EXPECT_EQ(picture("imgPlayerInfoPiece", 0)->picture(), pieces.picture(4)) << "Hat";
    EXPECT_EQ(picture("imgPlayerInfoPiece", 1)->picture(), pieces.picture(2)) << "Car ";
    EXPECT_EQ(picture("imgPlayerInfoType", 0)->picture(), picture("imgTypeHuman")->picture());
    EXPECT_EQ(picture("imgPlayerInfoType", 1)->picture(), picture("imgTypeComputer")->picture());
    // The empty slots of a two-player game: no caption, Red, no piece, human.
    for (int slot : {2, 3}) {
        EXPECT_EQ(frame("frmPlayerInfo", slot)->caption(), "");
        EXPECT_EQ(shape("shpPlayerInfo", slot)->fillColour(), ui::lightColour(0));
        EXPECT_TRUE(picture("imgPlayerInfoPiece", slot)->picture().isNull());
        EXPECT_EQ(picture("imgPlayerInfoType", slot)->picture(), picture("imgTypeHuman")->picture());
    }
}

TEST_F(Presentation, APieceNameMustMatchExactlyToGetAPicture)
{
    state.Players[0].Piece = "Dog";   // without the blank of "Dog "
    screen().setupPlayerPanels();
    EXPECT_TRUE(picture("imgPlayerInfoPiece", 0)->picture().isNull());
    // Ben leaves GO to Ann alone.
    movePiece(1, 7);
    EXPECT_TRUE(picture("imgSquare", 0)->picture().isNull()) << "no piece on the board either";

    // The picture of a square is the piece in front of the others.
    EXPECT_EQ(picture("imgSquare", 7)->picture(), picture("imgPlayerInfoPiece", 1)->picture());
    movePiece(1, 8);
    EXPECT_TRUE(picture("imgSquare", 7)->picture().isNull());
}

TEST_F(Presentation, TheBoardDrawsAPieceFromThePlayersChoiceNotFromThePanel)
{
    screen().setupPlayerPanels();
    const ui::Art car = picture("imgPlayerInfoPiece", 1)->picture();
    ASSERT_FALSE(car.isNull());
    picture("imgPlayerInfoPiece", 1)->setPicture(ui::Art());
    movePiece(1, 9);
    EXPECT_EQ(picture("imgSquare", 9)->picture(), car);
}

TEST_F(Presentation, BuyingWaterWorksColoursTheBarAndOnlyTheBuyersMini)
{
    own(1, 28);
    const Shape *bar = shape("shpOwner", 28);
    EXPECT_TRUE(bar->isVisibleTo(form.get()));
    EXPECT_EQ(bar->geometry(), twipRect(7860, 60, 780, 120));
    EXPECT_EQ(bar->fillColour(), ui::lightColour(1));
    EXPECT_EQ(bar->borderColour(), ui::strongColour(1));
    EXPECT_EQ(mini(1, 28)->picture(), picture("imgMiniWaterOwned")->picture());
    for (int other : {0, 2, 3})
        EXPECT_EQ(mini(other, 28)->picture(), picture("imgMiniWaterEmpty")->picture()) << other;

    // A street's mini takes its group's colour card.
    own(0, 11);
    EXPECT_EQ(mini(0, 11)->picture(), art::GamePictures::instance().imgsMinis.picture(2 + 2));
    own(0, 15);
    EXPECT_EQ(mini(0, 15)->picture(), picture("imgMiniStationOwned")->picture());
    // Squares without a marker or mini, and owners who are no player, are
    // ignored.
    own(0, 7);
    own(9, 1);
    EXPECT_TRUE(shape("shpOwner", 1)->isHidden());
}

TEST_F(Presentation, PanelColumnFollowsThePlayerCount)
{
    const struct {
        int players;
        int height;
    } cases[] = {{2, 3300}, {3, 4785}, {4, 6270}};
    for (const auto &c : cases) {
        state.PlayerCount = static_cast<Integer>(c.players);
        screen().layoutPlayerPanels();
        EXPECT_EQ(frame("frmPlayers")->height(), twipRect(0, 0, 0, c.height).height()) << c.players;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(frame("frmPlayerInfo", i)->isVisibleTo(frame("frmPlayers")), i < c.players) << c.players << " " << i;
    }
    // The count decides, not the names: a third player called "" keeps a panel.
    state.PlayerCount = 3;
    state.Players[2].Name = "";
    screen().layoutPlayerPanels();
    EXPECT_TRUE(frame("frmPlayerInfo", 2)->isVisibleTo(frame("frmPlayers")));
}

TEST_F(Presentation, MoneyLabelsShowEveryBalanceWithThePoundSign)
{
    state.Players[0].Money = -40;
    state.Players[1].Money = 32767;
    screen().refreshMoney();
    EXPECT_EQ(label("lblPlayerInfoMoney", 0)->text(), "£-40");
    EXPECT_EQ(label("lblPlayerInfoMoney", 1)->text(), "£32767");
    EXPECT_EQ(label("lblPlayerInfoMoney", 2)->text(), "£0");
}

TEST_F(Presentation, StatusLineIsCentredOnTheBoard)
{
    for (const char *text : {"Ann Purchased Old Kent Road",
                             "Hi",
                             "Ben landed on Mayfair, owned by Alexandra, and is paying rent of £2000 to Alexandra"}) {
        screen().showStatus(text);
        EXPECT_TRUE(label("lblStatus")->isVisibleTo(form.get()));
        EXPECT_EQ(label("lblStatus")->text(), text);
        EXPECT_NEAR(centreTwips(label("lblStatus")), 5580, 15) << text;
        EXPECT_EQ(ui::topTwips(label("lblStatus")), 6750);
    }
    screen().hideStatus();
    EXPECT_FALSE(label("lblStatus")->isVisibleTo(form.get()));
}

TEST_F(Presentation, CurrentPlayerShapeIsTwoHundredTwipsWiderThanTheName)
{
    state.Players[0].Name = "Al";
    state.Players[1].Name = "Alexandra";
    int widths[2];
    for (int p = 0; p < 2; ++p) {
        state.CurrentPlayer = static_cast<Integer>(p);
        screen().showCurrentPlayer();
        EXPECT_EQ(label("lblCurrentPlayerName")->text(), QString::fromStdString(state.Players[p].Name));
        widths[p] = ui::widthTwips(shape("shpCurrent"));
        // Within the one pixel that twips are rounded to.
        EXPECT_NEAR(widths[p], ui::widthTwips(label("lblCurrentPlayerName")) + 200, 15);
        EXPECT_EQ(shape("shpCurrent")->borderColour(), ui::strongColour(state.Players[p].Colour));
        EXPECT_EQ(shape("shpCurrent")->backColour(), ui::lightColour(state.Players[p].Colour));
        EXPECT_EQ(ui::leftTwips(shape("shpCurrent")), 5835);
    }
    EXPECT_LT(widths[0], widths[1]);
}

TEST_F(Presentation, HousesHotelAndCardPictures)
{
    // Old Kent Road's buildings stand in slot 1.
    const auto buildings = [this](int square, int houses, bool hotel) {
        state.Buildings[square] = {static_cast<Integer>(houses), hotel};
        screen().squareChanged(square);
    };
    buildings(1, 2, false);
    EXPECT_EQ(picture("imgHouse1", 1)->picture(), picture("imgBuildingHouse")->picture());
    EXPECT_EQ(picture("imgHouse2", 1)->picture(), picture("imgBuildingHouse")->picture());
    EXPECT_TRUE(picture("imgHouse3", 1)->picture().isNull());
    buildings(1, 4, true);
    EXPECT_TRUE(picture("imgHouse1", 1)->picture().isNull());
    EXPECT_TRUE(picture("imgHouse4", 1)->picture().isNull());
    EXPECT_EQ(picture("imgHotel", 1)->picture(), picture("imgBuildingHotel")->picture());
    buildings(2, 1, false);   // no street, no slot: nothing happens
    EXPECT_TRUE(picture("imgHouse1", 2)->picture().isNull());

    screen().showCard(Deck::Chance, 3);
    EXPECT_TRUE(picture("imgCard")->isVisibleTo(form.get()));
    EXPECT_EQ(picture("imgCard")->picture(), art::GamePictures::instance().imgsChance.picture(3));
    screen().hideCard();
    EXPECT_FALSE(picture("imgCard")->isVisibleTo(form.get()));
}

} // namespace
} // namespace tycora::testing
