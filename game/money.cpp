// Money: every change of a balance, payments that may outgrow the cash, the
// Free Parking pot, and raising money under Full rules.

#include "game/engine.h"

#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

Cash Engine::balanceAfter(Cash money, long long delta) const { return moneyAfter(money, delta, options_.rules); }

void Engine::changeBalance(int index, Cash delta, Creditor other)
{
    Player &p = player(index);
    const Cash before = p.Money;
    p.Money = balanceAfter(p.Money, delta);
    if (onMoney_)
        onMoney_({index, p.Money - before, other.kind, other.player});
}

void Engine::transfer(int payer, Cash amount, Creditor to)
{
    changeBalance(payer, -amount, to);
    switch (to.kind) {
    case MoneyChange::Other::Player: changeBalance(to.player, amount, {MoneyChange::Other::Player, payer}); break;
    case MoneyChange::Other::FreeParking:
        state_.FreeParking = balanceAfter(state_.FreeParking, amount);
        screen_.showFreeParking(state_.FreeParking);
        break;
    case MoneyChange::Other::Bank: break;
    }
}

Creditor Engine::bankOrPot() const
{
    return {options_.freeParkingPot ? MoneyChange::Other::FreeParking : MoneyChange::Other::Bank, -1};
}

void Engine::raiseMoneyFor(int payer, int amount, Creditor creditor, Step pay, std::string cause)
{
    const Player &p = player(payer);
    const Cash shortfall = amount - p.Money;
    log(nameAndBalance(p.Name, p.Money) + " Must Raise " + pounds(shortfall));
    screen_.showStatus(userText("Engine", "%1 Must Raise %2").arg(p.Name, pounds(shortfall)));
    debt_ = Debt{payer, amount, creditor, std::move(pay), phase_, std::move(cause)};
    phase_ = Phase::RaisingMoney;
    if (liquidValue(payer) < amount) {
        // Selling and mortgaging everything would not be enough.
        goBankrupt(payer, creditor);
        return;
    }
    refreshActions();
    givingUp_ = false;
    ++controllerActing_;
    controller(payer).raiseMoney(*this, payer, amount);
    --controllerActing_;
    // A computer has done what it could and given up; a person goes on in
    // the window.
    const bool gaveUp = givingUp_;
    givingUp_ = false;
    if (debt_ && gaveUp && player(payer).Money < amount)
        goBankrupt(payer, creditor);
    else
        checkDebt();
}

void Engine::giveUpRaising(int index)
{
    if (debt_ && debt_->debtor == index)
        givingUp_ = true;
}

void Engine::checkDebt()
{
    if (!debt_ || controllerActing_ > 0 || player(debt_->debtor).Money < debt_->amount)
        return;
    Debt paid = std::move(*debt_);
    debt_.reset();
    phase_ = paid.phaseBefore;
    screen_.showRaising(paid.debtor, 0);
    refreshActions();
    paid.settle();
}

void Engine::collectFreeParking(int index)
{
    const Cash pot = state_.FreeParking;
    if (pot <= 0)
        return;
    Player &p = player(index);
    const Cash before = p.Money;
    state_.FreeParking = 0;
    changeBalance(index, pot, {MoneyChange::Other::FreeParking, -1});
    log(nameAndBalance(p.Name, before) + " Collects " + pounds(pot) + " from Free Parking  -->  " + pounds(p.Money));
    screen_.showStatus(userText("Engine", "%1 Collects %2 from Free Parking").arg(p.Name, pounds(pot)));
    screen_.showFreeParking(0);
    screen_.refreshMoney();
}

} // namespace tycora
