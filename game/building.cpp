// Houses and hotels: putting them up and (Full rules) selling them back;
// and the buttons that say what a person may do with their deeds.

#include "game/engine.h"

#include "game/board.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/user_text.h"

#include <algorithm>

namespace tycora {

bool Engine::build(int index, int square)
{
    bool allowed = false;
    if (fullRules())
        allowed = mayManageDeeds(index, false) && mayBuildOn(state_, index, square);
    else
        // The classic game has no building but what a player's controller
        // does by its own rule while it takes its turn (the computer's one
        // house on Old Kent Road).
        allowed = phase_ == Phase::ToThrow && turnTaker_ == index && state_.holds(index, square) &&
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
    const SquareInfo &d = squareInfo(square);
    Player &p = player(index);
    const int h = b.Houses;
    if (h < 0 || h > 4)
        return;
    if (h < 4) {
        b.Houses = static_cast<Integer>(h + 1);
        screen_.squareChanged(square);
        --state_.HousesLeft;
        changeBalance(index, -d.houseCost);
        // The first house has always been written with capitals.
        screen_.showStatus(
            (h == 0 ? userText("Engine", "%1 Built a House on %2") : userText("Engine", "%1 built a house on %2"))
                .arg(p.Name, deedName(square)));
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a House: " + deedName(square));
    } else {
        b.Hotel = true;
        screen_.squareChanged(square);
        --state_.HotelsLeft;
        state_.HousesLeft = static_cast<Integer>(state_.HousesLeft + 4);
        changeBalance(index, -d.hotelCost);
        screen_.showStatus(userText("Engine", "%1 built a hotel on %2").arg(p.Name, deedName(square)));
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Built a Hotel: " + deedName(square));
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
    // A hotel that cannot go back to four houses takes its group down
    // evenly with it. The sales are reckoned on the buildings as they stand;
    // then the buildings change all together, so that the group is never
    // seen uneven; then each sale is paid and logged, this street's first.
    std::vector<StreetLevel> levels = levelsAfterSale(state_, square);
    std::stable_partition(levels.begin(), levels.end(), [square](const StreetLevel &l) { return l.square == square; });
    struct Sale {
        int square;
        bool hotel;
        int times;    // one line per building
        int refund;   // each
    };
    std::vector<Sale> sales;
    for (const StreetLevel &after : levels) {
        const int now = buildingCount(state_, after.square);
        if (now == 5 && after.buildings < 5)
            sales.push_back({after.square, true, 1, saleValue(state_, after)});
        else if (now > after.buildings)
            sales.push_back({after.square, false, now - after.buildings, houseSalePrice(after.square)});
    }
    for (const StreetLevel &after : levels) {
        if (buildingCount(state_, after.square) == after.buildings)
            continue;
        Building &b = state_.Buildings[after.square];
        const int housesBefore = b.Hotel ? 0 : b.Houses;
        if (b.Hotel && after.buildings < 5) {
            b.Hotel = false;
            ++state_.HotelsLeft;
        }
        if (!b.Hotel) {
            b.Houses = static_cast<Integer>(after.buildings);
            state_.HousesLeft = static_cast<Integer>(state_.HousesLeft + housesBefore - after.buildings);
        }
        screen_.squareChanged(after.square);
    }
    for (const Sale &sale : sales)
        for (int i = 0; i < sale.times; ++i)
            logSale(index, sale.square, sale.hotel ? " Sells a Hotel on " : " Sells a House on ", sale.refund);
    if (!sales.empty())
        screen_.showStatus((sales.front().hotel ? userText("Engine", "%1 Sells a Hotel on %2")
                                                : userText("Engine", "%1 Sells a House on %2"))
                               .arg(player(index).Name, deedName(square)));
    screen_.refreshMoney();
}

void Engine::logSale(int index, int square, const std::string &what, int refund)
{
    Player &p = player(index);
    const Cash before = p.Money;
    changeBalance(index, refund);
    log(nameAndBalance(p.Name, before) + what + deedName(square) + "  -->  " + pounds(p.Money));
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
    if (index >= 0 && takesDeedActionsFromWindow(index) && phase_ != Phase::Over) {
        actions.build = !buildableSquares(index).empty();
        actions.sell = !sellableSquares(index).empty();
        actions.mortgage = !mortgageableSquares(index).empty();
        actions.unmortgage = !unmortgageableSquares(index).empty();
        actions.declareBankruptcy = raising;
    }
    screen_.showActions(actions);
}

} // namespace tycora
