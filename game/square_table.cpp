#include "game/square_table.h"

#include <algorithm>

namespace tycora {

namespace {

constexpr SquareInfo street(std::string_view name, int group, int price, int mortgage, int building,
                            StreetRents rents)
{
    SquareInfo s;
    s.kind = SquareKind::Street;
    s.name = s.title = name;
    s.group = group;
    s.price = price;
    s.mortgageValue = mortgage;
    s.houseCost = s.hotelCost = building;
    s.rents = rents;
    return s;
}

constexpr SquareInfo station(std::string_view name)
{
    SquareInfo s;
    s.kind = SquareKind::Station;
    s.name = s.title = name;
    s.price = 200;
    s.mortgageValue = 100;
    return s;
}

constexpr SquareInfo utility(std::string_view name)
{
    SquareInfo s;
    s.kind = SquareKind::Utility;
    s.name = s.title = name;
    s.price = 150;
    s.mortgageValue = 75;
    return s;
}

constexpr SquareInfo special(SquareKind kind, std::string_view title, int tax = 0)
{
    SquareInfo s;
    s.kind = kind;
    s.title = title;
    s.tax = tax;
    return s;
}

using K = SquareKind;

// Columns of a street: name, group, price, mortgage value, house (and hotel)
// cost, then the rents bare and with 1, 2, 3, 4 houses and a hotel.
constexpr std::array<SquareInfo, BoardSize> Board{{
    special(K::Go, "GO"),
    street("Old Kent Road", 0, 60, 30, 50, {2, 10, 30, 90, 160, 250}),
    special(K::CommunityChest, "Community Chest"),
    street("Whitechapel Road", 0, 60, 30, 50, {4, 20, 60, 180, 320, 450}),
    special(K::Tax, "Income Tax", 200),
    station("King's Cross Station"),
    street("The Angel Islington", 1, 100, 50, 50, {6, 30, 90, 270, 400, 550}),
    special(K::Chance, "Chance"),
    street("Euston Road", 1, 100, 50, 50, {6, 30, 90, 270, 400, 550}),
    street("Pentonville Road", 1, 120, 60, 50, {8, 40, 100, 300, 450, 600}),
    special(K::Jail, "Jail"),
    street("Pall Mall", 2, 140, 70, 100, {10, 50, 150, 450, 625, 750}),
    utility("Electric Company"),
    street("Whitehall", 2, 140, 70, 100, {10, 50, 150, 450, 625, 750}),
    street("Northumberland Avenue", 2, 160, 80, 100, {12, 60, 180, 500, 700, 900}),
    station("Marylebone Station"),
    street("Bow Street", 3, 180, 90, 100, {14, 70, 200, 550, 750, 950}),
    special(K::CommunityChest, "Community Chest"),
    street("Marlborough Street", 3, 180, 90, 100, {14, 70, 200, 550, 750, 950}),
    street("Vine Street", 3, 200, 100, 100, {16, 80, 220, 600, 800, 1000}),
    special(K::FreeParking, "Free Parking"),
    street("Strand", 4, 220, 110, 150, {18, 90, 250, 700, 875, 1050}),
    special(K::Chance, "Chance"),
    street("Fleet Street", 4, 220, 110, 150, {18, 90, 250, 700, 875, 1050}),
    street("Trafalgar Square", 4, 220, 110, 150, {20, 100, 300, 750, 925, 1100}),
    station("Fenchurch Street Station"),
    street("Leicester Square", 5, 260, 130, 150, {22, 110, 330, 800, 975, 1150}),
    street("Coventry Street", 5, 260, 130, 150, {22, 110, 330, 800, 975, 1150}),
    utility("Water Works"),
    street("Piccadilly", 5, 280, 140, 150, {24, 120, 360, 850, 1025, 1200}),
    special(K::GoToJail, "Go To Jail"),
    street("Regent Street", 6, 300, 150, 200, {26, 130, 390, 900, 1100, 1275}),
    street("Oxford Street", 6, 300, 150, 200, {26, 130, 390, 900, 1100, 1275}),
    special(K::CommunityChest, "Community Chest"),
    street("Bond Street", 6, 320, 160, 200, {28, 150, 450, 1000, 1200, 1400}),
    station("Liverpool Street Station"),
    special(K::Chance, "Chance"),
    street("Park Lane", 7, 350, 175, 200, {35, 175, 500, 1100, 1300, 1500}),
    special(K::Tax, "Super Tax", 100),
    street("Mayfair", 7, 400, 200, 200, {50, 200, 600, 1400, 1700, 2000}),
}};

constexpr std::array<ColourGroup, GroupCount> Groups{{
    {"Brown", {141, 83, 14}, {1, 3, 0}, 2},
    {"Light Blue", {20, 222, 240}, {6, 8, 9}, 3},
    {"Pink", {234, 61, 207}, {11, 13, 14}, 3},
    {"Orange", {255, 156, 0}, {16, 18, 19}, 3},
    {"Red", {255, 0, 0}, {21, 23, 24}, 3},
    {"Yellow", {255, 255, 0}, {26, 27, 29}, 3},
    {"Green", {13, 82, 34}, {31, 32, 34}, 3},
    {"Dark Blue", {16, 30, 66}, {37, 39, 0}, 2},
}};

// Every street's group in the board table must list that street, and the
// other way round: a mismatch would make rent and building disagree.
constexpr bool groupsMatchBoard()
{
    for (int sq = 0; sq < BoardSize; ++sq) {
        const int g = Board[sq].group;
        if ((g >= 0) != (Board[sq].kind == SquareKind::Street))
            return false;
        if (g >= 0) {
            const auto streets = Groups[g].squares();
            if (std::find(streets.begin(), streets.end(), sq) == streets.end())
                return false;
        }
    }
    for (int g = 0; g < GroupCount; ++g)
        for (const int sq : Groups[g].squares())
            if (Board[sq].group != g)
                return false;
    return true;
}
static_assert(groupsMatchBoard(), "colour groups and board table disagree");

constexpr std::array<int, 28> ownableList()
{
    std::array<int, 28> list{};
    std::size_t n = 0;
    for (int sq = 0; sq < BoardSize; ++sq)
        if (Board[sq].ownable())
            list[n++] = sq;
    return list;
}
constexpr std::array<int, 28> Ownable = ownableList();

} // namespace

const SquareInfo &squareInfo(int square) { return Board[square >= 0 && square < BoardSize ? square : 0]; }

const ColourGroup &colourGroup(int group) { return Groups[group >= 0 && group < GroupCount ? group : 0]; }

std::span<const int> groupSquares(int group)
{
    return group >= 0 && group < GroupCount ? Groups[group].squares() : std::span<const int>();
}

int groupOf(int square) { return square >= 0 && square < BoardSize ? Board[square].group : -1; }

std::span<const int> ownableSquares() { return Ownable; }

int indexInItsSet(int square)
{
    if (square < 0 || square >= BoardSize)
        return 0;
    const SquareInfo &info = Board[square];
    int before = 0;
    for (int n = 0; n < square; ++n)
        before += Board[n].kind == info.kind && Board[n].group == info.group ? 1 : 0;
    return before;
}

int nextSquareOfKind(int from, SquareKind kind)
{
    for (int step = 1; step <= BoardSize; ++step) {
        const int sq = ((from + step) % BoardSize + BoardSize) % BoardSize;
        if (Board[sq].kind == kind)
            return sq;
    }
    return from;
}

Rgb groupShade(long group) { return group >= 0 && group < GroupCount ? Groups[std::size_t(group)].strip : Black; }

} // namespace tycora
