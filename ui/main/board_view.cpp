#include "ui/main/board_view.h"

#include "assets/art_catalog.h"
#include "game/square_table.h"
#include "ui/main/board_layout.h"
#include "ui/main/colour_outline.h"
#include "ui/main/control_names.h"
#include "ui/main/picture_controls.h"
#include "ui/main/press_reporter.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"

namespace tycora::ui {

namespace {

constexpr int BuildingSlots = 5;

const QString CardKeysHint = QStringLiteral("Click to keep this card in view; Esc puts it away.\n"
                                            "Arrow keys walk the board, card by card.");

// The mortgage slots, one above each of four building slots. They stay
// empty: nothing in play mortgages a square.
constexpr TwipRect MortgageSlots[] = {{3105, 2745, 900, 105}, {8715, 9645, 900, 105},
                                      {4785, 2715, 900, 105}, {6885, 9645, 900, 105}};

} // namespace

BoardView::BoardView(QWidget *window)
{
    // Creation order is stacking order: the tiles at the bottom, bars,
    // pieces and buildings on them, the signs over everything.
    createRing(window);
    createSlots(window);
    createSigns(window);
    createSources(window);
}

void BoardView::createRing(QWidget *window)
{
    for (int n = 0; n < BoardSize; ++n)
        makePicture(window, QStringLiteral("imgBoard"), n, boardTilePlace(n), art::boardTile(n));

    makePicture(window, QStringLiteral("Image6"), {2220, 4080, 6495, 1980}, art::logo());

    for (int n = 0; n < BoardSize; ++n) {
        const auto place = ownerBarPlace(n);
        if (!place)
            continue;
        auto *bar = named(new Shape(window, Shape::Kind::Rectangle), QStringLiteral("shpOwner"), n);
        placeAt(bar, *place);
        bar->setFillStyle(Shape::FillStyle::Solid);
        bar->hide();
        shpOwner_.add(n, bar);
        shpOwnerOutline_.add(n, new ShapeOutline(bar, controlName(QStringLiteral("shpOwnerOutline"), n)));
    }

    for (int n = 0; n < BoardSize; ++n) {
        auto *spot = named(new PieceSpot(window, n), QStringLiteral("imgSquare"), n);
        placeAt(spot, piecePlace(n));
        imgSquare_.add(n, spot);
    }
}

void BoardView::createSlots(QWidget *window)
{
    for (int house = 1; house <= 4; ++house) {
        const QString array = QStringLiteral("imgHouse%1").arg(house);
        for (int slot = 0; slot < BuildingSlots; ++slot)
            imgHouse_[house - 1].add(slot, makePicture(window, array, slot, buildingPlace(slot, house)));
    }
    for (int slot = 0; slot < BuildingSlots; ++slot)
        imgHotel_.add(slot, makePicture(window, QStringLiteral("imgHotel"), slot, buildingPlace(slot, 5)));

    for (int i = 0; i < 4; ++i)
        makePicture(window, QStringLiteral("imgMortgaged"), i, MortgageSlots[i]);
}

void BoardView::createSigns(QWidget *window)
{
    for (int n = 0; n < BoardSize; ++n) {
        Picture *sign = makePicture(window, QStringLiteral("imgStats"), n, statsSignPlace(n), art::statsSign());
        connect(sign, &Picture::mouseMoved, this, &BoardView::statsHovered);
        reportPresses(sign, [this, n] { emit statsClicked(n); });
        imgStats_.add(n, sign);
    }
    // Only a square with a title deed has a deed sign.
    for (const int n : ownableSquares()) {
        Picture *sign = makePicture(window, QStringLiteral("imgInfo"), n, *infoSignPlace(n), art::infoSign());
        connect(sign, &Picture::mouseMoved, this, &BoardView::infoHovered);
        reportPresses(sign, [this, n] { emit infoClicked(n); });
        sign->setToolTip(CardKeysHint);
    }
}

void BoardView::createSources(QWidget *window)
{
    imgBuildingHouse_ = makeSourcePicture(window, QStringLiteral("imgBuildingHouse"), 210, 210, art::house());
    imgBuildingHotel_ = makeSourcePicture(window, QStringLiteral("imgBuildingHotel"), 210, 210, art::hotel());
    makeSourcePicture(window, QStringLiteral("imgMortgageTop"), 900, 105, art::mortgageBanner(true));
    makeSourcePicture(window, QStringLiteral("imgMortgageBottom"), 900, 105, art::mortgageBanner(false));
}

void BoardView::showPieces(int square, std::vector<StandingPiece> pieces)
{
    if (PieceSpot *spot = imgSquare_(square))
        spot->showPieces(std::move(pieces));
}

void BoardView::clearSquare(int square) { showPieces(square, {}); }

void BoardView::markOwner(int square, const QColor &fill, const QColor &border, const QColor &outline)
{
    Shape *bar = shpOwner_(square);
    if (!bar)
        return;
    bar->setFillColour(fill);
    bar->setBorderColour(border);
    bar->show();
    shpOwnerOutline_(square)->setColour(outline);
}

Picture *BoardView::houseSlot(int slot, int house) const
{
    return house >= 1 && house <= 4 ? imgHouse_[static_cast<std::size_t>(house - 1)](slot) : nullptr;
}

void BoardView::showHouse(int slot, int house)
{
    if (Picture *spot = houseSlot(slot, house))
        spot->setPicture(imgBuildingHouse_->picture());
}

void BoardView::clearHouse(int slot, int house)
{
    if (Picture *spot = houseSlot(slot, house))
        spot->clearPicture();
}

void BoardView::showHotel(int slot)
{
    if (Picture *spot = imgHotel_(slot))
        spot->setPicture(imgBuildingHotel_->picture());
}

void BoardView::setSquareTooltip(int square, const QString &text)
{
    if (Picture *sign = imgStats_(square))
        sign->setToolTip(text);
}

} // namespace tycora::ui
