// Buying an unowned street, station or utility.

#include "game/engine.h"

#include "game/text.h"

namespace tycora {

void Engine::buyProperty(int index, int square)
{
    Property &d = deed(square);
    changeBalance(index, -d.Price);
    d.Owned = true;
    d.Owner = static_cast<Integer>(index);
    screen_.markOwner(index, square);
    screen_.showOwnedMini(index, square);
    screen_.refreshMoney();
    screen_.showStatus(player(index).Name + " Purchased " + d.Name);
    screen_.hideCard();
    screen_.showPropertyCard(square);
    screen_.setPropertyCardVisible(true);
}

void Engine::offerPurchase(int index, int square)
{
    Player &p = player(index);
    const Property &d = deed(square);
    const bool yes = screen_.askYesNo(p.Name + ", do you want to purchase " + d.Name + " for " + pounds(d.Price) + "?");
    if (!yes)
        return;
    if (p.Money > d.Price) {
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Purchased " + d.Name);
        buyProperty(index, square);
    } else {
        // Saying Yes and getting nothing would look like a fault: say why.
        screen_.showStatus(p.Name + " cannot afford " + d.Name);
    }
}

void Engine::computerPurchase(int index, int square)
{
    Player &p = player(index);
    const Property &d = deed(square);
    if (d.Price < p.Money) {
        buyProperty(index, square);
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Purchased " + d.Name);
    }
}

} // namespace tycora
