#include "ui/main/panel_pictures.h"

#include "assets/art_catalog.h"
#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/square_table.h"
#include "ui/main/picture_controls.h"
#include "toolkit/picture.h"

namespace tycora::ui {

PanelPictures::PanelPictures(QWidget *window)
{
    imgTypeHuman_ = makeSourcePicture(window, QStringLiteral("imgTypeHuman"), 300, 375, art::playerType(1));
    imgTypeComputer_ = makeSourcePicture(window, QStringLiteral("imgTypeComputer"), 300, 375, art::playerType(2));
    imgMiniStationOwned_ =
        makeSourcePicture(window, QStringLiteral("imgMiniStationOwned"), 390, 150, art::miniStation(true));
    imgMiniStationEmpty_ =
        makeSourcePicture(window, QStringLiteral("imgMiniStationEmpty"), 390, 150, art::miniStation(false));
    imgMiniElectricOwned_ =
        makeSourcePicture(window, QStringLiteral("imgMiniElectricOwned"), 195, 225, art::miniElectric(true));
    imgMiniElectricEmpty_ =
        makeSourcePicture(window, QStringLiteral("imgMiniElectricEmpty"), 195, 225, art::miniElectric(false));
    imgMiniWaterOwned_ = makeSourcePicture(window, QStringLiteral("imgMiniWaterOwned"), 225, 180, art::miniWater(true));
    imgMiniWaterEmpty_ =
        makeSourcePicture(window, QStringLiteral("imgMiniWaterEmpty"), 225, 180, art::miniWater(false));
    imgMiniTemp_ = makeSourcePicture(window, QStringLiteral("imgMiniTemp"), 150, 225, Art());
}

Art PanelPictures::playerType(long type) const
{
    switch (type) {
    case Human: return imgTypeHuman_->picture();
    case Computer: return imgTypeComputer_->picture();
    default: return Art();
    }
}

Art PanelPictures::emptyMini(int square) const { return mini(square, false); }

Art PanelPictures::ownedMini(int square)
{
    const Art owned = mini(square, true);
    if (!owned.isNull())
        imgMiniTemp_->setPicture(owned);
    return owned;
}

Art PanelPictures::mini(int square, bool owned) const
{
    if (square < 0 || square >= BoardSize)
        return Art();
    const SquareInfo &info = squareInfo(square);
    switch (info.kind) {
    case SquareKind::Street:
        // The list of minis: 1 the empty card, 2..9 the cards of groups 0..7.
        return art::GamePictures::instance().imgsMinis.picture(owned ? 2 + info.group : 1);
    case SquareKind::Station: return (owned ? imgMiniStationOwned_ : imgMiniStationEmpty_)->picture();
    case SquareKind::Utility:
        // Each utility has a picture of its own: a bulb, a tap.
        if (square == squares::ElectricCompany)
            return (owned ? imgMiniElectricOwned_ : imgMiniElectricEmpty_)->picture();
        return (owned ? imgMiniWaterOwned_ : imgMiniWaterEmpty_)->picture();
    default: return Art();
    }
}

} // namespace tycora::ui
