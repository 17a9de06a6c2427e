#include "game/board.h"

#include <stdexcept>

namespace tycora {

namespace {

constexpr std::array<int, 2> Brown{1, 3};
constexpr std::array<int, 3> LightBlue{6, 8, 9};
constexpr std::array<int, 3> Pink{11, 13, 14};
constexpr std::array<int, 3> Orange{16, 18, 19};
constexpr std::array<int, 3> Red{21, 23, 24};
constexpr std::array<int, 3> Yellow{26, 27, 29};
constexpr std::array<int, 3> Green{31, 32, 34};
constexpr std::array<int, 2> DarkBlue{37, 39};

constexpr std::array<int, 28> Ownable{1,  3,  5,  6,  8,  9,  11, 12, 13, 14, 15, 16, 18, 19,
                                      21, 23, 24, 25, 26, 27, 28, 29, 31, 32, 34, 35, 37, 39};

Property &deed(GameState &state, Integer square)
{
    if (square < 0 || square >= SquareCount)
        throw std::out_of_range("square number out of range");
    return state.Properties[static_cast<std::size_t>(square)];
}

} // namespace

std::span<const int> groupSquares(int group)
{
    switch (group) {
    case 0: return Brown;
    case 1: return LightBlue;
    case 2: return Pink;
    case 3: return Orange;
    case 4: return Red;
    case 5: return Yellow;
    case 6: return Green;
    case 7: return DarkBlue;
    default: return {};
    }
}

std::span<const int> ownableSquares() { return Ownable; }

void setStreet(GameState &state, Integer square, const std::string &name, Long group, Integer price,
               Integer mortgageValue, Integer houseCost, Integer hotelCost, Integer rent, Integer rent1House,
               Integer rent2Houses, Integer rent3Houses, Integer rent4Houses, Integer rentHotel)
{
    Property &p = deed(state, square);
    p.Name = name;
    p.IsStation = false;
    p.IsUtility = false;
    p.Group = group;
    p.Price = price;
    p.MortgageValue = mortgageValue;
    p.HouseCost = houseCost;
    p.HotelCost = hotelCost;
    p.Rent = rent;
    p.Rent1House = rent1House;
    p.Rent2Houses = rent2Houses;
    p.Rent3Houses = rent3Houses;
    p.Rent4Houses = rent4Houses;
    p.RentHotel = rentHotel;
    state.SquareStats[static_cast<std::size_t>(square)].CurrentRent = rent;
}

void setStation(GameState &state, Integer square, const std::string &name)
{
    Property &p = deed(state, square);
    p.Name = name;
    p.IsStation = true;
    p.IsUtility = false;
    p.Price = 200;
    p.MortgageValue = 100;
}

void setUtility(GameState &state, Integer square, const std::string &name)
{
    Property &p = deed(state, square);
    p.Name = name;
    p.IsStation = false;
    p.IsUtility = true;
    p.Price = 150;
    p.MortgageValue = 75;
}

void loadBoard(GameState &s)
{
    setStreet(s, 1, "Old Kent Road", 0, 60, 30, 50, 50, 2, 10, 30, 90, 160, 250);
    setStreet(s, 3, "Whitechapel Road", 0, 60, 30, 50, 50, 4, 20, 60, 180, 320, 450);
    setStation(s, 5, "King's Cross Station");
    setStreet(s, 6, "The Angel Islington", 1, 100, 50, 50, 50, 6, 30, 90, 270, 400, 550);
    setStreet(s, 8, "Euston Road", 1, 100, 50, 50, 50, 6, 30, 90, 270, 400, 550);
    setStreet(s, 9, "Pentonville Road", 1, 120, 60, 50, 50, 8, 40, 100, 300, 450, 600);
    setStreet(s, 11, "Pall Mall", 2, 140, 70, 100, 100, 10, 50, 150, 450, 625, 750);
    setUtility(s, 12, "Electric Company");
    setStreet(s, 13, "Whitehall", 2, 140, 70, 100, 100, 10, 50, 150, 450, 625, 750);
    setStreet(s, 14, "Northumberland Avenue", 2, 160, 80, 100, 100, 12, 60, 180, 500, 700, 900);
    setStation(s, 15, "Marylebone Station");
    setStreet(s, 16, "Bow Street", 3, 180, 90, 100, 100, 14, 70, 200, 550, 750, 950);
    setStreet(s, 18, "Marlborough Street", 3, 180, 90, 100, 100, 14, 70, 200, 550, 750, 950);
    setStreet(s, 19, "Vine Street", 3, 200, 100, 100, 100, 16, 80, 220, 600, 800, 1000);
    setStreet(s, 21, "Strand", 4, 220, 110, 150, 150, 18, 90, 250, 700, 875, 1050);
    setStreet(s, 23, "Fleet Street", 4, 220, 110, 150, 150, 18, 90, 250, 700, 875, 1050);
    setStreet(s, 24, "Trafalgar Square", 4, 220, 110, 150, 150, 20, 100, 300, 750, 925, 1100);
    setStation(s, 25, "Fenchurch Street Station");
    setStreet(s, 26, "Leicester Square", 5, 260, 130, 150, 150, 22, 110, 330, 800, 975, 1150);
    setStreet(s, 27, "Coventry Street", 5, 260, 130, 150, 150, 22, 110, 330, 800, 975, 1150);
    setUtility(s, 28, "Water Works");
    setStreet(s, 29, "Piccadilly", 5, 280, 140, 150, 150, 24, 120, 360, 850, 1025, 1200);
    setStreet(s, 31, "Regent Street", 6, 300, 150, 200, 200, 26, 130, 390, 900, 1100, 1275);
    setStreet(s, 32, "Oxford Street", 6, 300, 150, 200, 200, 26, 130, 390, 900, 1100, 1275);
    setStreet(s, 34, "Bond Street", 6, 320, 160, 200, 200, 28, 150, 450, 1000, 1200, 1400);
    setStation(s, 35, "Liverpool Street Station");
    setStreet(s, 37, "Park Lane", 7, 350, 175, 200, 200, 35, 175, 500, 1100, 1300, 1500);
    setStreet(s, 39, "Mayfair", 7, 400, 200, 200, 200, 50, 200, 600, 1400, 1700, 2000);
}

} // namespace tycora
