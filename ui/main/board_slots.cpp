#include "ui/main/board_slots.h"

#include "game/rules.h"
#include "game/square_table.h"

namespace tycora::ui {

namespace {

// On a bottom-side square (930 wide, 1155 high): the houses along the top
// of the colour strip, 225 apart, the hotel in the middle of the row, the
// banner above them across the strip.
constexpr int TileWidth = 930;
constexpr int TileDepth = 1155;
constexpr int Building = 210;
constexpr TwipRect HouseOnBottom{15, 120, Building, Building};
constexpr int HousePitch = 225;
constexpr TwipRect HotelOnBottom{360, 120, Building, Building};
constexpr TwipRect BannerOnBottom{15, 15, 900, 105};

// Turns a place laid out on a bottom-side square to the square's side.
TwipRect turned(int square, const TwipRect &r)
{
    const TwipRect tile = boardTilePlace(square);
    switch (sideOf(square)) {
    case BoardSide::Bottom: return {tile.left + r.left, tile.top + r.top, r.width, r.height};
    case BoardSide::Left:   // a quarter turn clockwise: the strip on the right
        return {tile.left + TileDepth - r.top - r.height, tile.top + r.left, r.height, r.width};
    case BoardSide::Top:    // half a turn: the strip at the bottom, the row mirrored
        return {tile.left + TileWidth - r.left - r.width, tile.top + TileDepth - r.top - r.height, r.width,
                r.height};
    case BoardSide::Right:  // a quarter turn anticlockwise: the strip on the left
        return {tile.left + r.top, tile.top + TileWidth - r.left - r.width, r.height, r.width};
    case BoardSide::Corner: break;
    }
    return {};
}

bool isStreet(int square) { return square >= 0 && square < BoardSize && squareInfo(square).kind == SquareKind::Street; }

} // namespace

BoardSide sideOf(int square)
{
    if (square > 0 && square < 10)
        return BoardSide::Bottom;
    if (square > 10 && square < 20)
        return BoardSide::Left;
    if (square > 20 && square < 30)
        return BoardSide::Top;
    if (square > 30 && square < 40)
        return BoardSide::Right;
    return BoardSide::Corner;
}

int buildingSlotOf(int square)
{
    if (!isStreet(square))
        return -1;
    // The classic slot 4 sits on Whitechapel Road.
    return square == 3 ? 4 : square;
}

int bannerSlotOf(int square) { return isOwnable(square) ? square : -1; }

std::optional<TwipRect> streetBuildingPlace(int square, int house)
{
    if (!isStreet(square) || house < 1 || house > 5)
        return std::nullopt;
    TwipRect r = house == 5 ? HotelOnBottom : HouseOnBottom;
    if (house < 5)
        r.left += HousePitch * (house - 1);
    return turned(square, r);
}

std::optional<TwipRect> bannerPlace(int square)
{
    if (!isOwnable(square))
        return std::nullopt;
    return turned(square, BannerOnBottom);
}

} // namespace tycora::ui
