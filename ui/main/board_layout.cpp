#include "ui/main/board_layout.h"

#include "game/square_table.h"
#include "toolkit/twips.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tycora::ui {

namespace {

struct Point {
    int left, top;
    constexpr bool operator==(const Point &) const = default;
};

constexpr int Corner = 1155;
constexpr int Side = 930;
constexpr int Pitch = 915;

// Where the piece on each square stands, and where its statistics sign lies.
struct SquarePlaces {
    Point piece;
    Point statsSign;
};
constexpr std::array<SquarePlaces, BoardSize> EverySquare{{
    {{9705, 9720}, {10665, 10665}},
    {{8835, 10155}, {9135, 9390}},
    {{7920, 10155}, {8070, 9390}},
    {{7005, 10155}, {7350, 9390}},
    {{6090, 10155}, {6405, 9390}},
    {{5175, 10155}, {5505, 9390}},
    {{4275, 10155}, {4635, 9390}},
    {{3345, 10155}, {3510, 9390}},
    {{2445, 10155}, {2820, 9390}},
    {{1515, 10155}, {1905, 9390}},
    {{240, 10335}, {165, 10650}},
    {{345, 8955}, {1425, 9180}},
    {{345, 8055}, {1425, 8265}},
    {{345, 7095}, {1425, 7350}},
    {{345, 6270}, {1425, 6435}},
    {{345, 5265}, {1425, 5520}},
    {{345, 4365}, {1425, 4605}},
    {{345, 3435}, {1425, 3630}},
    {{345, 2550}, {1425, 2775}},
    {{345, 1650}, {1425, 1860}},
    {{345, 435}, {150, 165}},
    {{1515, 435}, {1635, 1440}},
    {{2430, 435}, {2445, 1440}},
    {{3345, 435}, {3450, 1440}},
    {{4215, 435}, {4335, 1440}},
    {{5175, 435}, {5280, 1440}},
    {{6060, 435}, {6135, 1440}},
    {{6990, 435}, {7095, 1440}},
    {{7905, 435}, {8025, 1440}},
    {{8790, 435}, {8970, 1440}},
    {{10005, 435}, {10650, 165}},
    {{10005, 1650}, {9375, 1575}},
    {{10005, 2580}, {9375, 2355}},
    {{10005, 3420}, {9375, 3660}},
    {{10005, 4380}, {9375, 4290}},
    {{10005, 5280}, {9375, 5175}},
    {{10005, 6225}, {9375, 6150}},
    {{10005, 7170}, {9375, 6990}},
    {{10005, 8055}, {9375, 8115}},
    {{10005, 8985}, {9375, 8880}},
}};

// The deed sign and the owner bar of every square that has them: the
// squares with a title deed, and square 17, which has a bar but no deed.
struct SquareMarks {
    int square;
    Point infoSign;
    Point ownerBar;
};
constexpr Point NoSign{-1, -1};
constexpr SquareMarks Marks[] = {
    {1, {8940, 9390}, {8775, 10815}},
    {3, {7110, 9390}, {6945, 10815}},
    {5, {5280, 9390}, {5115, 10815}},
    {6, {4365, 9390}, {4200, 10815}},
    {8, {2535, 9390}, {2370, 10815}},
    {9, {1620, 9390}, {1455, 10815}},
    {11, {1425, 8955}, {90, 8790}},
    {12, {1425, 8040}, {90, 7875}},
    {13, {1425, 7125}, {90, 6960}},
    {14, {1425, 6210}, {90, 6045}},
    {15, {1425, 5295}, {90, 5145}},
    {16, {1425, 4380}, {90, 4215}},
    {17, NoSign, {90, 3300}},
    {18, {1425, 2550}, {90, 2385}},
    {19, {1425, 1635}, {90, 1470}},
    {21, {1860, 1440}, {1455, 105}},
    {23, {3690, 1440}, {3285, 75}},
    {24, {4605, 1440}, {4200, 60}},
    {25, {5520, 1440}, {5115, 60}},
    {26, {6435, 1440}, {6015, 60}},
    {27, {7350, 1440}, {6945, 60}},
    {28, {8265, 1440}, {7860, 60}},
    {29, {9180, 1440}, {8775, 60}},
    {31, {9375, 1785}, {10800, 1470}},
    {32, {9375, 2625}, {10800, 2385}},
    {34, {9375, 4515}, {10800, 4215}},
    {35, {9375, 5445}, {10800, 5145}},
    {37, {9375, 7230}, {10800, 6960}},
    {39, {9375, 9195}, {10800, 8790}},
};

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


// A control every square has, by its top-left corner in EverySquare.
TwipRect placeOnEverySquare(Point SquarePlaces::*corner, int square, int width, int height)
{
    if (!onBoard(square))
        return {};
    const Point p = EverySquare[static_cast<std::size_t>(square)].*corner;
    return {p.left, p.top, width, height};
}

const SquareMarks *marksOf(int square)
{
    const auto it =
        std::find_if(std::begin(Marks), std::end(Marks), [square](const SquareMarks &m) { return m.square == square; });
    return it == std::end(Marks) ? nullptr : it;
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

TwipRect piecePlace(int square) { return placeOnEverySquare(&SquarePlaces::piece, square, 660, 450); }

// Over the barred window of the cell in the jail's inner corner, above its
// words; the visitors stand on the strip round the cell.
TwipRect jailCellPlace() { return {675, 9675, 660, 450}; }

std::optional<TwipRect> ownerBarPlace(int square)
{
    const SquareMarks *marks = marksOf(square);
    if (!marks)
        return std::nullopt;
    const bool horizontal = onTopOrBottom(square);
    return TwipRect{marks->ownerBar.left, marks->ownerBar.top, horizontal ? 780 : 120, horizontal ? 120 : 780};
}

TwipRect statsSignPlace(int square) { return placeOnEverySquare(&SquarePlaces::statsSign, square, 210, 210); }

std::optional<TwipRect> infoSignPlace(int square)
{
    const SquareMarks *marks = marksOf(square);
    if (!marks || marks->infoSign == NoSign)
        return std::nullopt;
    return TwipRect{marks->infoSign.left, marks->infoSign.top, 210, 210};
}

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
    case SquareKind::Station: return StationMinis.at(std::size_t(indexInItsSet(square)));
    case SquareKind::Utility: return UtilityMinis.at(std::size_t(indexInItsSet(square)));
    case SquareKind::Street: {
        // The streets of a group stand in a column, fanned downwards.
        return TwipRect{1065 + 150 * info.group, 645 + 75 * indexInItsSet(square), 120, 150};
    }
    default: return std::nullopt;
    }
}

} // namespace tycora::ui
