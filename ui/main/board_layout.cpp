#include "ui/main/board_layout.h"

#include "game/square_table.h"
#include "ui/toolkit/twips.h"

#include <algorithm>
#include <array>
#include <map>

namespace tycora::ui {

namespace {

struct Point {
    int left, top;
};

constexpr int Corner = 1155;
constexpr int Side = 930;
constexpr int Pitch = 915;

constexpr std::array<Point, BoardSize> PiecePlaces{{
    {9705, 9720}, {8835, 10155}, {7920, 10155}, {7005, 10155}, {6090, 10155},
    {5175, 10155}, {4275, 10155}, {3345, 10155}, {2445, 10155}, {1515, 10155},
    {240, 10335}, {345, 8955}, {345, 8055}, {345, 7095}, {345, 6270},
    {345, 5265}, {345, 4365}, {345, 3435}, {345, 2550}, {345, 1650},
    {345, 435}, {1515, 435}, {2430, 435}, {3345, 435}, {4215, 435},
    {5175, 435}, {6060, 435}, {6990, 435}, {7905, 435}, {8790, 435},
    {10005, 435}, {10005, 1650}, {10005, 2580}, {10005, 3420}, {10005, 4380},
    {10005, 5280}, {10005, 6225}, {10005, 7170}, {10005, 8055}, {10005, 8985},
}};

constexpr std::array<Point, BoardSize> StatsPlaces{{
    {10665, 10665}, {9135, 9390}, {8070, 9390}, {7350, 9390}, {6405, 9390},
    {5505, 9390}, {4635, 9390}, {3510, 9390}, {2820, 9390}, {1905, 9390},
    {165, 10650}, {1425, 9180}, {1425, 8265}, {1425, 7350}, {1425, 6435},
    {1425, 5520}, {1425, 4605}, {1425, 3630}, {1425, 2775}, {1425, 1860},
    {150, 165}, {1635, 1440}, {2445, 1440}, {3450, 1440}, {4335, 1440},
    {5280, 1440}, {6135, 1440}, {7095, 1440}, {8025, 1440}, {8970, 1440},
    {10650, 165}, {9375, 1575}, {9375, 2355}, {9375, 3660}, {9375, 4290},
    {9375, 5175}, {9375, 6150}, {9375, 6990}, {9375, 8115}, {9375, 8880},
}};

const std::map<int, Point> &infoPlaces()
{
    static const std::map<int, Point> places{
        {1, {8940, 9390}},  {3, {7110, 9390}},  {5, {5280, 9390}},  {6, {4365, 9390}},
        {8, {2535, 9390}},  {9, {1620, 9390}},  {11, {1425, 8955}}, {12, {1425, 8040}},
        {13, {1425, 7125}}, {14, {1425, 6210}}, {15, {1425, 5295}}, {16, {1425, 4380}},
        {18, {1425, 2550}}, {19, {1425, 1635}}, {21, {1860, 1440}}, {23, {3690, 1440}},
        {24, {4605, 1440}}, {25, {5520, 1440}}, {26, {6435, 1440}}, {27, {7350, 1440}},
        {28, {8265, 1440}}, {29, {9180, 1440}}, {31, {9375, 1785}}, {32, {9375, 2625}},
        {34, {9375, 4515}}, {35, {9375, 5445}}, {37, {9375, 7230}}, {39, {9375, 9195}},
    };
    return places;
}

const std::map<int, Point> &ownerBarPlaces()
{
    static const std::map<int, Point> places{
        {1, {8775, 10815}}, {3, {6945, 10815}}, {5, {5115, 10815}}, {6, {4200, 10815}},
        {8, {2370, 10815}}, {9, {1455, 10815}}, {11, {90, 8790}},   {12, {90, 7875}},
        {13, {90, 6960}},   {14, {90, 6045}},   {15, {90, 5145}},   {16, {90, 4215}},
        {17, {90, 3300}},   {18, {90, 2385}},   {19, {90, 1470}},   {21, {1455, 105}},
        {23, {3285, 75}},   {24, {4200, 60}},   {25, {5115, 60}},   {26, {6015, 60}},
        {27, {6945, 60}},   {28, {7860, 60}},   {29, {8775, 60}},   {31, {10800, 1470}},
        {32, {10800, 2385}}, {34, {10800, 4215}}, {35, {10800, 5145}}, {37, {10800, 6960}},
        {39, {10800, 8790}},
    };
    return places;
}

constexpr std::array<std::array<Point, 5>, 5> BuildingPlaces{{
    {{{3495, 4455}, {3720, 4455}, {3945, 4455}, {4170, 4455}, {3840, 4455}}},
    {{{8715, 9750}, {8940, 9750}, {9165, 9750}, {9390, 9750}, {9060, 9750}}},
    {{{3105, 2850}, {3330, 2850}, {3555, 2850}, {3780, 2850}, {3450, 2850}}},
    {{{4785, 2820}, {5010, 2820}, {5235, 2820}, {5460, 2820}, {5130, 2820}}},
    {{{6885, 9750}, {7110, 9750}, {7335, 9750}, {7560, 9750}, {7230, 9750}}},
}};

// The stations' minis stand in a row under the streets, the utilities'
// beside them; each kind in board order.
constexpr std::array<TwipRect, 4> StationMinis{{
    {1080, 1020, 390, 150}, {1515, 1020, 390, 150}, {1935, 1020, 390, 150}, {2370, 1020, 390, 150}}};
constexpr std::array<TwipRect, 2> UtilityMinis{{{2295, 660, 195, 225}, {2505, 690, 225, 180}}};

bool onTopOrBottom(int square) { return (square > 0 && square < 10) || (square > 20 && square < 30); }

bool onBoard(int square) { return square >= 0 && square < BoardSize; }

// A control of every square, from a table of top-left corners.
TwipRect placeOnEverySquare(const std::array<Point, BoardSize> &corners, int square, int width, int height)
{
    if (!onBoard(square))
        return {};
    const Point p = corners[static_cast<std::size_t>(square)];
    return {p.left, p.top, width, height};
}

// A control of some squares only, from a table of top-left corners.
std::optional<TwipRect> placeOnSomeSquares(const std::map<int, Point> &corners, int square, int width, int height)
{
    const auto it = corners.find(square);
    if (it == corners.end())
        return std::nullopt;
    return TwipRect{it->second.left, it->second.top, width, height};
}

// How many squares of the same kind come before this one on the board.
std::size_t placeAmongItsKind(int square)
{
    const SquareKind kind = squareInfo(square).kind;
    std::size_t before = 0;
    for (int s = 0; s < square; ++s)
        before += squareInfo(s).kind == kind ? 1 : 0;
    return before;
}

} // namespace

TwipRect boardTilePlace(int square)
{
    if (!onBoard(square))
        return {};
    if (square == 0)
        return {9615, 9630, Corner, Corner};
    if (square < 10)
        return {9615 - Pitch * square, 9630, Side, Corner};
    if (square == 10)
        return {240, 9630, Corner, Corner};
    if (square < 20)
        return {240, 9630 - Pitch * (square - 10), Corner, Side};
    if (square == 20)
        return {240, 255, Corner, Corner};
    if (square < 30)
        return {1380 + Pitch * (square - 21), 255, Side, Corner};
    if (square == 30)
        return {9615, 255, Corner, Corner};
    return {9615, 1395 + Pitch * (square - 31), Corner, Side};
}

TwipRect piecePlace(int square) { return placeOnEverySquare(PiecePlaces, square, 660, 450); }

std::optional<TwipRect> ownerBarPlace(int square)
{
    const bool horizontal = onTopOrBottom(square);
    return placeOnSomeSquares(ownerBarPlaces(), square, horizontal ? 780 : 120, horizontal ? 120 : 780);
}

TwipRect statsSignPlace(int square) { return placeOnEverySquare(StatsPlaces, square, 210, 210); }

std::optional<TwipRect> infoSignPlace(int square) { return placeOnSomeSquares(infoPlaces(), square, 210, 210); }

TwipRect buildingPlace(int index, int house)
{
    if (index < 0 || index > 4 || house < 1 || house > 5)
        return {};
    const Point p = BuildingPlaces[static_cast<std::size_t>(index)][static_cast<std::size_t>(house - 1)];
    return {p.left, p.top, 210, 210};
}

std::optional<TwipRect> miniDeedPlace(int square)
{
    if (!onBoard(square))
        return std::nullopt;
    const SquareInfo &info = squareInfo(square);
    switch (info.kind) {
    case SquareKind::Station: return StationMinis.at(placeAmongItsKind(square));
    case SquareKind::Utility: return UtilityMinis.at(placeAmongItsKind(square));
    case SquareKind::Street: {
        // The streets of a group stand in a column, fanned downwards.
        const auto streets = groupSquares(info.group);
        const auto row = std::find(streets.begin(), streets.end(), square) - streets.begin();
        return TwipRect{1065 + 150 * info.group, 645 + 75 * static_cast<int>(row), 120, 150};
    }
    default: return std::nullopt;
    }
}

void placeAt(QWidget *control, const TwipRect &place) { ui::place(control, place.left, place.top, place.width, place.height); }

} // namespace tycora::ui
