// What the square a piece stops on does: buying, rent, taxes, cards, jail,
// Free Parking; and the rent countdown in the status line.

#include "game/engine.h"

#include "game/board.h"
#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"

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
        screen_.showStatus(deedName(square) + " is mortgaged: no rent");
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
        state_.PayTo = static_cast<Integer>(owner);
        state_.PayFrom = static_cast<Integer>(payer);
        state_.PayAmount = rent;
        countdownStep_ = countdownDecrement(timings_, rent);
        startTimer(tmrMoneyDown_, timings_.countdownMs);
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
        const std::string what = " " + std::string(squareInfo(square).title);
        if (logging())
            log(nameAndBalance(p.Name, before) + " Pays " + pounds(amount) + what + "  -->  " + pounds(p.Money));
        screen_.showStatus(p.Name + " Pays " + pounds(amount) + what);
        afterLanding(index);
    });
}

void Engine::tmrMoneyDown_Timer()
{
    state_.PayAmount = static_cast<Integer>(std::max(0, state_.PayAmount - countdownStep_));
    showDebt(state_.PayFrom, state_.PayTo, state_.PayAmount);
}

void Engine::showDebt(int payer, int payee, int amount)
{
    // A countdown ends at £0; one that somehow started at or below zero ends
    // at once instead of counting on for ever.
    if (amount <= 0)
        tmrMoneyDown_.setEnabled(false);
    if (screen_.showsNothing())
        return;
    const std::string owes = player(payer).Name + " owes " + player(payee).Name + " " + pounds(amount);
    // Under the Full rules and at the quicker paces the game goes on while
    // the money counts down; the screen keeps the line only while it is news.
    if (fullRules() || pace_ != Pace::Classic)
        screen_.showCountdown(owes, amount);
    else
        screen_.showStatus(owes);
    screen_.refreshMoney();
}

} // namespace tycora
