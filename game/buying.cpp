// Buying an unowned street, station or utility.

#include "game/engine.h"

#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

bool Engine::mayBuy(int index) const
{
    // Without purchasing on the first round, a piece must have been once
    // round the board before its player may buy.
    return options_.firstRoundBuying || player(index).BeenRound;
}

void Engine::offerSquare(int index, int square)
{
    if (!mayBuy(index)) {
        afterLanding(index);
        return;
    }
    phase_ = Phase::Deciding;
    const PurchaseOffer offer{index, square, squareInfo(square).price};
    controller(index).decidePurchase(*this, offer, once<bool>([this, index, square](bool buy) {
                                         purchaseAnswered(index, square, buy);
                                     }));
}

void Engine::purchaseAnswered(int index, int square, bool buy)
{
    noteDecision(Decision::Kind::Buy, index, buy);
    phase_ = Phase::Moving;
    Player &p = player(index);
    const std::string name = deedName(square);
    bool bought = false;
    if (buy && p.Money > squareInfo(square).price) {
        // A person's line shows the balance before the purchase, a
        // computer's the balance after it.
        const bool balanceBefore = controller(index).logsBalanceBeforePurchase(index);
        if (balanceBefore && logging())
            log(nameAndBalance(p.Name, p.Money) + " Purchased " + name);
        buyProperty(index, square);
        if (!balanceBefore && logging())
            log(nameAndBalance(p.Name, p.Money) + " Purchased " + name);
        bought = true;
    } else if (buy) {
        // Saying Yes and getting nothing would look like a fault: say why.
        screen_.showStatus(userText("Engine", "%1 cannot afford %2").arg(p.Name, name));
    }
    if (!bought && fullRules()) {
        startAuction(square, [this, index] { afterLanding(index); });
        return;
    }
    afterLanding(index);
}

void Engine::buyProperty(int index, int square)
{
    takeDeed(index, square, squareInfo(square).price);
    showDeedTaken(square, userText("Engine", "%1 Purchased %2").arg(player(index).Name, deedName(square)));
}

void Engine::takeDeed(int index, int square, int price)
{
    changeBalance(index, -price);
    Property &d = deed(square);
    d.Owned = true;
    d.Owner = static_cast<Integer>(index);
}

void Engine::showDeedTaken(int square, const std::string &status)
{
    screen_.squareChanged(square);
    screen_.refreshMoney();
    screen_.showStatus(status);
    screen_.hideCard();
    screen_.showPropertyCard(square);
    screen_.setPropertyCardVisible(true);
}

} // namespace tycora
