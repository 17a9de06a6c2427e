#include "game/board.h"

#include <stdexcept>

namespace tycora {

namespace {

Property &deed(GameState &state, Integer square)
{
    if (square < 0 || square >= SquareCount)
        throw std::out_of_range("square number out of range");
    return state.Properties[static_cast<std::size_t>(square)];
}

} // namespace

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
    const SquareInfo &info = squareInfo(square);
    Property &p = deed(state, square);
    p.Name = name;
    p.IsStation = true;
    p.IsUtility = false;
    p.Price = static_cast<Integer>(info.price);
    p.MortgageValue = static_cast<Integer>(info.mortgageValue);
}

void setUtility(GameState &state, Integer square, const std::string &name)
{
    const SquareInfo &info = squareInfo(square);
    Property &p = deed(state, square);
    p.Name = name;
    p.IsStation = false;
    p.IsUtility = true;
    p.Price = static_cast<Integer>(info.price);
    p.MortgageValue = static_cast<Integer>(info.mortgageValue);
}

void loadBoard(GameState &state)
{
    for (Integer sq = 0; sq < SquareCount; ++sq) {
        const SquareInfo &s = squareInfo(sq);
        const std::string name(s.name);
        const auto figure = [](int value) { return static_cast<Integer>(value); };
        switch (s.kind) {
        case SquareKind::Street:
            setStreet(state, sq, name, s.group, figure(s.price), figure(s.mortgageValue), figure(s.houseCost),
                      figure(s.hotelCost), figure(s.rents.bare), figure(s.rents.oneHouse), figure(s.rents.twoHouses),
                      figure(s.rents.threeHouses), figure(s.rents.fourHouses), figure(s.rents.hotel));
            break;
        case SquareKind::Station: setStation(state, sq, name); break;
        case SquareKind::Utility: setUtility(state, sq, name); break;
        default: break;   // nobody can own it: no deed
        }
    }
}

} // namespace tycora
