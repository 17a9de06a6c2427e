// What the square a piece stops on does: buying, rent, taxes, cards, jail.

#include "game/engine.h"

#include "game/board.h"
#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"

namespace tycora {

void Engine::resolveLanding(int index, int square)
{
    if (isOwnable(square)) {
        const Property &d = deed(square);
        if (!d.Owned) {
            if (player(index).PlayerType != Human)
                computerPurchase(index, square);
            else
                offerPurchase(index, square);
        } else if (d.Owner != index) {
            payRent(index, d.Owner, square);
        }
        return;
    }
    switch (square) {
    case 2:
    case 17:
    case 33: drawCommunityChest(index); break;
    case squares::IncomeTax: payTax(index, 200); break;
    case 7:
    case 22:
    case 36: drawChance(index); break;
    case squares::GoToJail: goToJail(index); break;
    case squares::SuperTax: payTax(index, 100); break;
    default: break;   // GO, Jail and Free Parking do nothing
    }
}

void Engine::payRent(int payer, int owner, int square)
{
    const Integer rent = rentFor(state_, square);
    changeBalance(payer, -rent);
    changeBalance(owner, rent);
    addSaturating(state_.SquareStats[square].TotalRent, rent);
    if (logging())
        log(player(payer).Name + " Pays " + player(owner).Name + " " + pounds(rent) + " Rent for " + deed(square).Name);
    state_.PayTo = static_cast<Integer>(owner);
    state_.PayFrom = static_cast<Integer>(payer);
    state_.PayAmount = rent;
    tmrMoneyDown.setEnabled(true);
}

void Engine::payTax(int index, int amount)
{
    Player &p = player(index);
    const Integer before = p.Money;
    changeBalance(index, -amount);
    screen_.refreshMoney();
    const std::string what = amount == 200 ? " Income Tax" : " Super Tax";
    if (logging())
        log(nameAndBalance(p.Name, before) + " Pays " + pounds(amount) + what + "  -->  " + pounds(p.Money));
    screen_.showStatus(p.Name + " Pays " + pounds(amount) + what);
}

void Engine::showDebt(int payer, int payee, int amount)
{
    // A countdown ends at £0; one that somehow started at or below zero ends
    // at once instead of counting on for ever.
    if (amount <= 0)
        tmrMoneyDown.setEnabled(false);
    if (screen_.showsNothing())
        return;
    screen_.showStatus(player(payer).Name + " owes " + player(payee).Name + " " + pounds(amount));
    screen_.refreshMoney();
}

} // namespace tycora
