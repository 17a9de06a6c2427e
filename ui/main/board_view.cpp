#include "ui/main/board_view.h"

#include "assets/art_catalog.h"
#include "assets/full_rules_art.h"
#include "game/board.h"
#include "game/square_table.h"
#include "ui/main/board_layout.h"
#include "ui/main/board_slots.h"
#include "ui/main/colour_outline.h"
#include "ui/main/control_names.h"
#include "ui/main/picture_controls.h"
#include "ui/main/press_reporter.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"

namespace tycora::ui {

namespace {

constexpr int BuildingSlots = 5;

QString cardKeysHint()
{
    return BoardView::tr("Click to keep this card in view; Esc puts it away.\n"
                         "Arrow keys walk the board, card by card.");
}

// The first four mortgage slots, one above each of four building slots;
// 1 and 3 serve Old Kent Road and Whitechapel Road, 0 and 2 stay empty.
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
        const auto at = ownerBarPlace(n);
        if (!at)
            continue;
        auto *bar = named(new Shape(window, Shape::Kind::Rectangle), QStringLiteral("shpOwner"), n);
        place(bar, *at);
        bar->setFillStyle(Shape::FillStyle::Solid);
        bar->hide();
        shpOwner_.add(n, bar);
        shpOwnerOutline_.add(n, new ShapeOutline(bar, controlName(QStringLiteral("shpOwnerOutline"), n)));
    }

    for (int n = 0; n < BoardSize; ++n) {
        auto *spot = named(new PieceSpot(window, n), QStringLiteral("imgSquare"), n);
        place(spot, piecePlace(n));
        imgSquare_.add(n, spot);
    }
    imgJail_ = named(new PieceSpot(window, squares::Jail), QStringLiteral("imgJail"));
    place(imgJail_, jailCellPlace());
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

    // Every other street has slots of its own number along its colour strip.
    for (const int square : ownableSquares()) {
        const int slot = buildingSlotOf(square);
        if (slot < BuildingSlots)
            continue;
        for (int house = 1; house <= 4; ++house)
            imgHouse_[house - 1].add(slot, makePicture(window, QStringLiteral("imgHouse%1").arg(house), slot,
                                                       *streetBuildingPlace(square, house)));
        imgHotel_.add(slot, makePicture(window, QStringLiteral("imgHotel"), slot, *streetBuildingPlace(square, 5)));
    }

    for (int i = 0; i < 4; ++i)
        imgMortgaged_.add(i, makePicture(window, QStringLiteral("imgMortgaged"), i, MortgageSlots[i]));
    for (const int square : ownableSquares())
        if (const int slot = bannerSlotOf(square); !imgMortgaged_.contains(slot))
            imgMortgaged_.add(slot, makePicture(window, QStringLiteral("imgMortgaged"), slot, *bannerPlace(square)));
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
        sign->setToolTip(cardKeysHint());
    }
}

void BoardView::createSources(QWidget *window)
{
    imgBuildingHouse_ = makeSourcePicture(window, QStringLiteral("imgBuildingHouse"), 210, 210, art::house());
    imgBuildingHotel_ = makeSourcePicture(window, QStringLiteral("imgBuildingHotel"), 210, 210, art::hotel());
    imgMortgageTop_ = makeSourcePicture(window, QStringLiteral("imgMortgageTop"), 900, 105, art::mortgageBanner(true));
    imgMortgageBottom_ =
        makeSourcePicture(window, QStringLiteral("imgMortgageBottom"), 900, 105, art::mortgageBanner(false));
    imgMortgageLeft_ =
        makeSourcePicture(window, QStringLiteral("imgMortgageLeft"), 105, 900, art::mortgageBannerTurned(true));
    imgMortgageRight_ =
        makeSourcePicture(window, QStringLiteral("imgMortgageRight"), 105, 900, art::mortgageBannerTurned(false));
}

void BoardView::showPieces(int square, std::vector<StandingPiece> pieces)
{
    if (PieceSpot *spot = imgSquare_(square))
        spot->showPieces(std::move(pieces));
}

void BoardView::clearSquare(int square)
{
    showPieces(square, {});
    if (square == squares::Jail)
        showJailed({});
}

void BoardView::showJailed(std::vector<StandingPiece> pieces) { imgJail_->showPieces(std::move(pieces)); }

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

void BoardView::clearOwner(int square)
{
    if (Shape *bar = shpOwner_(square))
        bar->hide();
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

void BoardView::showBuildings(int slot, int houses, bool hotel)
{
    for (int house = 1; house <= 4; ++house) {
        if (!hotel && house <= houses)
            showHouse(slot, house);
        else
            clearHouse(slot, house);
    }
    if (Picture *spot = imgHotel_(slot))
        spot->setPicture(hotel ? imgBuildingHotel_->picture() : Art());
}

void BoardView::showMortgaged(int square, bool mortgaged)
{
    Picture *banner = imgMortgaged_(bannerSlotOf(square));
    if (!banner)
        return;
    const Picture *source = nullptr;
    switch (sideOf(square)) {
    case BoardSide::Bottom: source = imgMortgageBottom_; break;
    case BoardSide::Left: source = imgMortgageLeft_; break;
    case BoardSide::Top: source = imgMortgageTop_; break;
    case BoardSide::Right: source = imgMortgageRight_; break;
    case BoardSide::Corner: return;
    }
    banner->setPicture(mortgaged ? art::bannerOnPlaque(source->picture()) : Art());
}

void BoardView::setSquareTooltip(int square, const QString &text)
{
    if (Picture *sign = imgStats_(square))
        sign->setToolTip(text);
}

} // namespace tycora::ui
