#include "ui/main/main_screen.h"

#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/game_state.h"
#include "ui/main/frm_main.h"
#include "ui/main/player_colours.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

#include <initializer_list>

namespace tycora::ui {

namespace {

// The pips filled for each face of a die.
const std::initializer_list<int> &facePips(int value)
{
    static const std::initializer_list<int> faces[] = {{3}, {0, 6}, {0, 3, 6}, {0, 2, 4, 6}, {0, 2, 3, 4, 6},
                                                       {0, 1, 2, 4, 5, 6}};
    static const std::initializer_list<int> blank{};
    return value >= 1 && value <= 6 ? faces[value - 1] : blank;
}

constexpr int StatusCentre = 5580;
constexpr int CurrentShapeMargin = 200;
constexpr int PanelPitch = 1485;

} // namespace

MainScreen::MainScreen(FrmMain &form) : form_(form), state_(form.state()) {}

void MainScreen::showStatus(const std::string &text)
{
    Label *status = form_.lblStatus;
    status->show();
    status->setCaption(QString::fromStdString(text));
    moveTo(status, StatusCentre - widthTwips(status) / 2, topTwips(status));
}

void MainScreen::hideStatus() { form_.lblStatus->hide(); }

void MainScreen::showDie(int die, int value)
{
    const ControlArray<Shape> *pips = die == 1 ? &form_.shpDice1Dot : die == 2 ? &form_.shpDice2Dot : nullptr;
    if (!pips)
        return;
    for (int i = 0; i <= 6; ++i)
        (*pips)(i)->setFillStyle(Shape::FillStyle::Transparent);
    for (const int pip : facePips(value))
        (*pips)(pip)->setFillStyle(Shape::FillStyle::Solid);
}

void MainScreen::showDiceRoll(const std::string &text) { form_.lblDiceRoll->setCaption(QString::fromStdString(text)); }

void MainScreen::refreshMoney()
{
    for (int i = 0; i < MaxPlayers; ++i)
        form_.lblPlayerInfoMoney(i)->setCaption(QStringLiteral("£%1").arg(state_.Players[i].Money));
}

void MainScreen::showCurrentPlayer()
{
    const Player &p = state_.Players[state_.CurrentPlayer];
    form_.lblCurrentPlayerName->setCaption(QString::fromStdString(p.Name));
    form_.shpCurrent->setBorderColour(strongColour(p.Colour));
    form_.shpCurrent->setBackColour(lightColour(p.Colour));
    Shape *shape = form_.shpCurrent;
    place(shape, leftTwips(shape), topTwips(shape), widthTwips(form_.lblCurrentPlayerName) + CurrentShapeMargin,
          heightTwips(shape));
}

void MainScreen::drawPiece(int square, int player)
{
    Picture *spot = form_.imgSquare(square);
    Picture *piece = form_.imgPlayerInfoPiece(player);
    if (spot && piece)
        spot->setPicture(piece->picture());
}

void MainScreen::clearSquare(int square)
{
    if (Picture *spot = form_.imgSquare(square))
        spot->clearPicture();
}

void MainScreen::markOwner(int player, int square)
{
    Shape *bar = form_.shpOwner(square);
    if (!bar || player < 0 || player >= MaxPlayers)
        return;
    const long c = state_.Players[player].Colour;
    bar->setFillColour(lightColour(c));
    bar->setBorderColour(strongColour(c));
    bar->show();
}

void MainScreen::loadOwnedMini(int square)
{
    if (square < 1 || square > 39)
        return;
    Art owned;
    switch (square) {
    case 5: case 15: case 25: case 35: owned = form_.imgMiniStationOwned->picture(); break;
    case 12: owned = form_.imgMiniElectricOwned->picture(); break;
    case 28: owned = form_.imgMiniWaterOwned->picture(); break;
    default:
        for (int group = 0; group < 8; ++group) {
            for (const int s : groupSquares(group)) {
                if (s == square)
                    owned = art::GamePictures::instance().imgsMinis.picture(group + 2);
            }
        }
    }
    if (!owned.isNull())
        form_.imgMiniTemp->setPicture(owned);
}

void MainScreen::showOwnedMini(int player, int square)
{
    if (player < 0 || player >= MaxPlayers)
        return;
    loadOwnedMini(square);
    if (Picture *mini = form_.imgMini(player)(square))
        mini->setPicture(form_.imgMiniTemp->picture());
}

void MainScreen::showHouse(int square, int house)
{
    if (Picture *slot = form_.buildingSlots(house)(square); slot && house <= 4)
        slot->setPicture(form_.imgBuildingHouse->picture());
}

void MainScreen::clearHouse(int square, int house)
{
    if (Picture *slot = form_.buildingSlots(house)(square); slot && house <= 4)
        slot->clearPicture();
}

void MainScreen::showHotel(int square)
{
    if (Picture *slot = form_.imgHotel(square))
        slot->setPicture(form_.imgBuildingHotel->picture());
}

void MainScreen::showCard(Deck deck, int pictureNumber)
{
    const auto &pictures = art::GamePictures::instance();
    const PictureList &list = deck == Deck::Chance ? pictures.imgsChance : pictures.imgsCommunity;
    form_.imgCard->setPicture(list.picture(pictureNumber));
    form_.imgCard->show();
}

void MainScreen::hideCard() { form_.imgCard->hide(); }

void MainScreen::setPropertyCardVisible(bool visible)
{
    form_.frmProperty->setVisible(visible);
    if (visible)
        form_.frmProperty->raise();
}

void MainScreen::setRollEnabled(bool enabled) { form_.cmdRoll->setEnabled(enabled); }

void MainScreen::enableBuild() { form_.cmdBuild->setEnabled(true); }

bool MainScreen::askYesNo(const std::string &question)
{
    return form_.boxes().show(&form_, QString::fromStdString(question), MsgButtons::YesNo, MsgIcon::Question) ==
           MsgAnswer::Yes;
}

void MainScreen::tell(const std::string &message)
{
    form_.boxes().show(&form_, QString::fromStdString(message), MsgButtons::Ok, MsgIcon::None);
}

void MainScreen::colourPlayerPanel(int player)
{
    Shape *frame = form_.shpPlayerInfo(player);
    if (!frame)
        return;
    const long c = state_.Players[player].Colour;
    frame->setFillColour(lightColour(c));
    frame->setBorderColour(strongColour(c));
}

void MainScreen::showPlayerPiece(int player)
{
    Picture *piece = form_.imgPlayerInfoPiece(player);
    if (!piece)
        return;
    // Keys are the piece names exactly, trailing blanks and case included.
    const PictureList &pieces = art::GamePictures::instance().imgsPieces;
    const int number = pieces.indexOf(QString::fromStdString(state_.Players[player].Piece));
    if (number > 0)
        piece->setPicture(pieces.picture(number));
}

void MainScreen::showPlayerType(int player)
{
    Picture *type = form_.imgPlayerInfoType(player);
    if (!type)
        return;
    switch (state_.Players[player].PlayerType) {
    case 0: type->setPicture(form_.imgTypeHuman->picture()); break;
    case 1: type->setPicture(form_.imgTypeComputer->picture()); break;
    default: break;
    }
}

void MainScreen::setupPlayerPanels()
{
    for (int i = 0; i < MaxPlayers; ++i) {
        form_.frmPlayerInfo(i)->setCaption(QString::fromStdString(state_.Players[i].Name));
        colourPlayerPanel(i);
        showPlayerPiece(i);
        showPlayerType(i);
    }
}

void MainScreen::layoutPlayerPanels()
{
    // The panels follow the number of players, so a player with an unusual
    // name can never hide a panel.
    const int players = std::clamp<int>(state_.PlayerCount, 2, MaxPlayers);
    for (int i = 0; i < MaxPlayers; ++i)
        form_.frmPlayerInfo(i)->setVisible(i < players);
    Frame *column = form_.frmPlayers;
    const int height = 6270 - PanelPitch * (MaxPlayers - players);
    place(column, leftTwips(column), topTwips(column), widthTwips(column), height);
}

} // namespace tycora::ui
