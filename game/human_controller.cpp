#include "game/human_controller.h"

#include "game/engine.h"
#include "game/screen.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

void HumanController::firstTurn(Engine &, int) { screen_.setRollEnabled(true); }

void HumanController::turnToThrow(Engine &, int) { screen_.setRollEnabled(true); }

void HumanController::decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer)
{
    const GameState &state = engine.state();
    const std::string &name = state.Players[offer.player].Name;
    const std::string square(squareInfo(offer.square).name);
    // The deed stays in view while the person decides.
    screen_.showPropertyCard(offer.square);
    screen_.setPropertyCardVisible(true);
    Screen &screen = screen_;
    screen_.ask(userText("Engine", "%1, do you want to purchase %2 for %3?").arg(name, square, pounds(offer.price)),
                [&screen, answer](bool yes) {
                    if (!yes)
                        screen.setPropertyCardVisible(false);
                    answer(yes);
                });
}

void HumanController::raiseMoney(Engine &, int player, int owed) { screen_.showRaising(player, owed); }

void HumanController::decideJail(Engine &engine, int player, Answer<JailChoice> answer)
{
    screen_.askJail(player, engine.state().jailCards(player) > 0, answer);
}

// The jail question told the person that a third throw without a double
// pays the fine; the card stays in hand for a later stay.
void HumanController::payOrUseCard(Engine &, int, Answer<JailChoice> answer) { answer(JailChoice::PayFine); }

void HumanController::bid(Engine &, const Auction &auction, Answer<int> answer) { screen_.askBid(auction, answer); }

void HumanController::answerTrade(Engine &, const TradeOffer &offer, Answer<TradeReply> answer)
{
    screen_.askTrade(offer, answer);
}

} // namespace tycora
