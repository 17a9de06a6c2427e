// Houses and hotels, built only by computer players on Old Kent Road, and
// the mortgage value, the one part of mortgaging that exists.

#include "game/engine.h"

#include "game/board.h"
#include "game/rules.h"
#include "game/text.h"

namespace tycora {

void Engine::buildOnSquare(int square, int index)
{
    Building &b = state_.Buildings[square];
    const Property &d = deed(square);
    Player &p = player(index);
    const int h = b.Houses;
    if (h < 0 || h > 4)
        return;
    if (h < 4) {
        screen_.showHouse(square, h + 1);
        b.Houses = static_cast<Integer>(h + 1);
        changeBalance(index, -d.HouseCost);
        screen_.showStatus(p.Name + (h == 0 ? " Built a House on " : " built a house on ") + d.Name);
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a House: " + d.Name);
    } else {
        for (int house = 1; house <= 4; ++house)
            screen_.clearHouse(square, house);
        screen_.showHotel(square);
        b.Hotel = true;
        changeBalance(index, -d.HotelCost);
        screen_.showStatus(p.Name + " built a hotel on " + d.Name);
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a Hotel: " + d.Name);
    }
    screen_.refreshMoney();
}

void Engine::computerBuild(int index)
{
    constexpr int whitechapelRoad = 3;
    if (state_.holds(index, squares::OldKentRoad) && state_.holds(index, whitechapelRoad) &&
        !state_.Buildings[squares::OldKentRoad].Hotel && housesEqual(state_, squares::OldKentRoad, whitechapelRoad, 0))
        buildOnSquare(squares::OldKentRoad, index);
}

void Engine::updateBuildButton(int index)
{
    if (canBuild(state_, index))
        screen_.enableBuild();
}

void Engine::showMortgageValue(int square) { screen_.tell(pounds(deed(square).MortgageValue)); }

} // namespace tycora
