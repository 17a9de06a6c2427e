// What the square a piece stops on does: buying, rent, taxes, cards, jail,
// Free Parking.

#include "game/engine.h"

#include "game/board.h"
#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/user_text.h"

#include <algorithm>

namespace tycora {

void Engine::resolveLanding(int index, int square)
{
    const SquareInfo &info = squareInfo(square);
    if (info.ownable()) {
        const Property &d = deed(square);
        if (!d.Owned)
            offerSquare(index, square);   // goes on when the player has decided
        else if (d.Owner != index)
            payRent(index, d.Owner, square);
        else
            afterLanding(index);          // a square of one's own: nothing happens
        return;
    }
    switch (info.kind) {
    case SquareKind::CommunityChest: drawCommunityChest(index); return;
    case SquareKind::Chance: drawChance(index); return;
    case SquareKind::Tax: payTax(index, square); return;
    case SquareKind::GoToJail: goToJail(index); break;
    case SquareKind::FreeParking:
        if (options_.freeParkingPot)
            collectFreeParking(index);
        break;
    default: break;   // GO and Jail (just visiting) do nothing
    }
    afterLanding(index);
}

void Engine::payRent(int payer, int owner, int square)
{
    if (deed(square).Mortgaged) {
        screen_.showStatus(userText("Engine", "%1 is mortgaged: no rent").arg(deedName(square)));
        afterLanding(payer);
        return;
    }
    const Integer rent = rentFor(state_, square);
    charge(payer, rent, {MoneyChange::Other::Player, owner}, {OwedFor::What::Rent, square}, [this, payer, owner, square, rent] {
        transfer(payer, rent, {MoneyChange::Other::Player, owner});
        addSaturating(state_.SquareStats[square].TotalRent, rent);
        if (logging())
            log(player(payer).Name + " Pays " + player(owner).Name + " " + pounds(rent) + " Rent for " +
                deedName(square));
        screen_.showPayment(payer, owner, rent);
        afterLanding(payer);
    });
}

void Engine::payTax(int index, int square)
{
    const int amount = squareInfo(square).tax;
    charge(index, amount, bankOrPot(), {OwedFor::What::Tax, square}, [this, index, amount, square] {
        Player &p = player(index);
        const Cash before = p.Money;
        transfer(index, amount, bankOrPot());
        screen_.refreshMoney();
        const std::string title(squareInfo(square).title);
        if (logging())
            log(nameAndBalance(p.Name, before) + " Pays " + pounds(amount) + " " + title + "  -->  " + pounds(p.Money));
        screen_.showStatus(userText("Engine", "%1 Pays %2 %3").arg(p.Name, pounds(amount), title));
        afterLanding(index);
    });
}

} // namespace tycora
