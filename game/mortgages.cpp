// Mortgages (Full rules): a deed mortgaged for its mortgage value charges no
// rent until the mortgage is lifted for that value and a tenth more.

#include "game/engine.h"

#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

bool Engine::mortgage(int index, int square)
{
    if (!mayManageDeeds(index, true) || !mayMortgage(state_, index, square))
        return false;
    noteDecision(Decision::Kind::Mortgage, index, square);
    Player &p = player(index);
    const Cash before = p.Money;
    deed(square).Mortgaged = true;
    changeBalance(index, squareInfo(square).mortgageValue);
    log(nameAndBalance(p.Name, before) + " Mortgages " + deedName(square) + "  -->  " + pounds(p.Money));
    screen_.showStatus(userText("Engine", "%1 Mortgages %2").arg(p.Name, deedName(square)));
    screen_.squareChanged(square);
    screen_.refreshMoney();
    refreshActions();
    checkDebt();
    return true;
}

bool Engine::unmortgage(int index, int square)
{
    if (!mayManageDeeds(index, false) || !mayUnmortgage(state_, index, square))
        return false;
    noteDecision(Decision::Kind::Unmortgage, index, square);
    Player &p = player(index);
    const Cash before = p.Money;
    deed(square).Mortgaged = false;
    changeBalance(index, -unmortgagePrice(square));
    log(nameAndBalance(p.Name, before) + " Unmortgages " + deedName(square) + "  -->  " + pounds(p.Money));
    screen_.showStatus(userText("Engine", "%1 Unmortgages %2").arg(p.Name, deedName(square)));
    screen_.squareChanged(square);
    screen_.refreshMoney();
    refreshActions();
    return true;
}

} // namespace tycora
