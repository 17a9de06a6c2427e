// The board of the main window: tiles, logo, owner bars, piece places,
// building slots, hot-spots and the hidden pictures others copy from.

#include "assets/art_catalog.h"
#include "game/game_state.h"
#include "ui/main/board_layout.h"
#include "ui/main/frm_main.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

namespace {

void place(QWidget *w, const TwipRect &r) { ui::place(w, r.left, r.top, r.width, r.height); }

Picture *picture(QWidget *parent, int index, const TwipRect &r, const Art &art = Art())
{
    auto *p = new Picture(parent, index);
    place(p, r);
    p->setPicture(art);
    return p;
}

// A picture that is never shown, only copied from.
Picture *sourcePicture(QWidget *parent, int width, int height, const Art &art)
{
    auto *p = picture(parent, -1, {0, 0, width, height}, art);
    p->hide();
    return p;
}

} // namespace

void FrmMain::createBoard()
{
    for (int n = 0; n < SquareCount; ++n)
        imgBoard.add(n, picture(this, n, boardTilePlace(n), art::boardTile(n)));

    Image6 = picture(this, -1, {2220, 4080, 6495, 1980}, art::logo());

    for (int n = 0; n < SquareCount; ++n) {
        const auto bar = ownerBarPlace(n);
        if (!bar)
            continue;
        auto *s = new Shape(this, Shape::Kind::Rectangle);
        place(s, *bar);
        s->setFillStyle(Shape::FillStyle::Solid);
        s->hide();
        shpOwner.add(n, s);
    }

    for (int n = 0; n < SquareCount; ++n)
        imgSquare.add(n, picture(this, n, piecePlace(n)));
}

void FrmMain::createBuildingSlots()
{
    ControlArray<Picture> *slotArrays[] = {&imgHouse1, &imgHouse2, &imgHouse3, &imgHouse4, &imgHotel};
    for (int house = 1; house <= 5; ++house) {
        for (int index = 0; index <= 4; ++index)
            slotArrays[house - 1]->add(index, picture(this, index, buildingPlace(index, house)));
    }

    // The mortgage slots stay empty: nothing in play mortgages a square.
    const TwipRect mortgaged[] = {{3105, 2745, 900, 105}, {8715, 9645, 900, 105},
                                  {4785, 2715, 900, 105}, {6885, 9645, 900, 105}};
    for (int i = 0; i < 4; ++i)
        imgMortgaged.add(i, picture(this, i, mortgaged[i]));

    // The hot-spots lie over everything else on the board.
    for (int n = 0; n < SquareCount; ++n)
        imgStats.add(n, picture(this, n, statsSignPlace(n), art::statsSign()));
    for (int n = 0; n < SquareCount; ++n) {
        if (const auto spot = infoSignPlace(n))
            imgInfo.add(n, picture(this, n, *spot, art::infoSign()));
    }
}

void FrmMain::createSourcePictures()
{
    imgBuildingHouse = sourcePicture(this, 210, 210, art::house());
    imgBuildingHotel = sourcePicture(this, 210, 210, art::hotel());
    imgMortgageTop = sourcePicture(this, 900, 105, art::mortgageBanner(true));
    imgMortgageBottom = sourcePicture(this, 900, 105, art::mortgageBanner(false));
    imgTypeHuman = sourcePicture(this, 300, 375, art::playerType(1));
    imgTypeComputer = sourcePicture(this, 300, 375, art::playerType(2));
    imgMiniStationOwned = sourcePicture(this, 390, 150, art::miniStation(true));
    imgMiniStationEmpty = sourcePicture(this, 390, 150, art::miniStation(false));
    imgMiniElectricOwned = sourcePicture(this, 195, 225, art::miniElectric(true));
    imgMiniElectricEmpty = sourcePicture(this, 195, 225, art::miniElectric(false));
    imgMiniWaterOwned = sourcePicture(this, 225, 180, art::miniWater(true));
    imgMiniWaterEmpty = sourcePicture(this, 225, 180, art::miniWater(false));
    imgMiniTemp = sourcePicture(this, 150, 225, Art());
}

} // namespace tycora::ui
