// The players' column: one panel per player slot with the money, the piece
// on its coloured shape, the player type and a mini board of title deeds.

#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "ui/main/board_layout.h"
#include "ui/main/frm_main.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

namespace {
constexpr int PanelTops[MaxPlayers] = {360, 1860, 3345, 4845};
}

void FrmMain::createPlayerColumn()
{
    frmPlayers = new Frame(this);
    frmPlayers->setCaption(QStringLiteral("Players"));
    place(frmPlayers, 11475, 285, 3375, 6270);
    for (int slot = 0; slot < MaxPlayers; ++slot)
        createPlayerPanel(slot);
}

void FrmMain::createPlayerPanel(int slot)
{
    auto *panel = new Frame(frmPlayers, slot);
    place(panel, 240, PanelTops[slot], 2910, 1305);
    frmPlayerInfo.add(slot, panel);

    auto *money = new Label(panel);
    money->setFont(tahoma(9.75, true));
    money->setAutoSize(true);
    moveTo(money, 135, 315);
    lblPlayerInfoMoney.add(slot, money);

    auto *frame = new Shape(panel, Shape::Kind::RoundedRectangle);
    frame->setFillStyle(Shape::FillStyle::Solid);
    place(frame, 90, 675, 705, 510);
    shpPlayerInfo.add(slot, frame);

    auto *piece = new Picture(panel, slot);
    place(piece, slot == 2 ? 120 : 105, 705, 660, 450);
    imgPlayerInfoPiece.add(slot, piece);

    auto *type = new Picture(panel, slot);
    place(type, 2535, 30, 300, 375);
    imgPlayerInfoType.add(slot, type);

    ControlArray<Picture> *minis[] = {&imgMini0, &imgMini1, &imgMini2, &imgMini3};
    const Art emptyDeed = art::GamePictures::instance().imgsMinis.picture(1);
    for (const int square : ownableSquares()) {
        const auto where = miniDeedPlace(square);
        auto *mini = new Picture(panel, square);
        place(mini, where->left, where->top, where->width, where->height);
        if (isStationSquare(square))
            mini->setPicture(imgMiniStationEmpty->picture());
        else if (square == squares::ElectricCompany)
            mini->setPicture(imgMiniElectricEmpty->picture());
        else if (square == squares::WaterWorks)
            mini->setPicture(imgMiniWaterEmpty->picture());
        else
            mini->setPicture(emptyDeed);
        minis[slot]->add(square, mini);
    }
}

} // namespace tycora::ui
