// Houses and hotels: putting them up and (Full rules) selling them back;
// and the buttons that say what a person may do with their deeds.

#include "game/engine.h"

#include "game/board.h"
#include "game/rules.h"
#include "game/text.h"


namespace tycora {

bool Engine::build(int index, int square)
{
    bool allowed = false;
    if (fullRules())
        allowed = mayManageDeeds(index, false) && mayBuildOn(state_, index, square);
    else
        // The classic game lets only a computer build, by its own rule.
        allowed = phase_ == Phase::ToThrow && isComputer(index) && state_.holds(index, square) &&
                  groupOf(square) >= 0;
    if (!allowed)
        return false;
    noteDecision(Decision::Kind::Build, index, square);
    buildOnSquare(square, index);
    refreshActions();
    return true;
}

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
        --state_.HousesLeft;
        changeBalance(index, -d.HouseCost);
        screen_.showStatus(p.Name + (h == 0 ? " Built a House on " : " built a house on ") + d.Name);
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a House: " + d.Name);
    } else {
        for (int house = 1; house <= 4; ++house)
            screen_.clearHouse(square, house);
        screen_.showHotel(square);
        b.Hotel = true;
        --state_.HotelsLeft;
        state_.HousesLeft = static_cast<Integer>(state_.HousesLeft + 4);
        changeBalance(index, -d.HotelCost);
        screen_.showStatus(p.Name + " built a hotel on " + d.Name);
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a Hotel: " + d.Name);
    }
    screen_.refreshMoney();
}

bool Engine::sellBuilding(int index, int square)
{
    if (!mayManageDeeds(index, true) || !maySellFrom(state_, index, square))
        return false;
    noteDecision(Decision::Kind::Sell, index, square);
    sellOneBuilding(index, square);
    refreshActions();
    checkDebt();
    return true;
}

void Engine::sellOneBuilding(int index, int square)
{
    Building &b = state_.Buildings[square];
    Player &p = player(index);
    const Integer before = p.Money;
    // Houses that cannot come back with a hotel are sold with it.
    const int refund = nextSaleValue(state_, square);
    std::string what;
    if (b.Hotel) {
        const int housesBack = housesBackForHotel(state_);
        b.Hotel = false;
        b.Houses = static_cast<Integer>(housesBack);
        ++state_.HotelsLeft;
        state_.HousesLeft = static_cast<Integer>(state_.HousesLeft - housesBack);
        what = " Sells a Hotel on ";
    } else {
        --b.Houses;
        ++state_.HousesLeft;
        what = " Sells a House on ";
    }
    changeBalance(index, refund);
    screen_.showBuildings(square, b.Houses, b.Hotel);
    const std::string name = deed(square).Name;
    log(nameAndBalance(p.Name, before) + what + name + "  -->  " + pounds(p.Money));
    screen_.showStatus(p.Name + what + name);
    screen_.refreshMoney();
}

void Engine::updateBuildButton(int index)
{
    if (canBuild(state_, index))
        screen_.enableBuild();
}

void Engine::refreshActions()
{
    if (!fullRules())
        return;
    AvailableActions actions;
    const bool raising = phase_ == Phase::RaisingMoney;
    const int index = raising ? debtor() : state_.CurrentPlayer;
    if (index >= 0 && !isComputer(index) && phase_ != Phase::Over) {
        actions.build = !buildableSquares(index).empty();
        actions.sell = !sellableSquares(index).empty();
        actions.mortgage = !mortgageableSquares(index).empty();
        actions.unmortgage = !unmortgageableSquares(index).empty();
        actions.declareBankruptcy = raising;
    }
    screen_.showActions(actions);
}

} // namespace tycora
