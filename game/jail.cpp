// Jail (Full rules): a player sent to jail is held there until they pay the
// fine, use a Get Out of Jail Free card, or throw a double; after three
// failed throws they pay, or use a card they hold, and move.

#include "game/engine.h"
#include "game/rules.h"

#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

void Engine::jailTurn(int index)
{
    phase_ = Phase::Deciding;
    refreshActions();
    controller(index).decideJail(*this, index, once<JailChoice>([this, index](JailChoice choice) {
                                      jailAnswered(index, choice);
                                  }));
}

void Engine::jailAnswered(int index, JailChoice choice)
{
    noteDecision(Decision::Kind::Jail, index, static_cast<int>(choice));
    if (choice == JailChoice::UseCard && state_.jailCards(index) > 0) {
        useJailCard(index);
        leaveJail(index);
        return;
    }
    if (choice == JailChoice::PayFine) {
        charge(index, JailFine, bankOrPot(), {OwedFor::What::JailFine}, [this, index] {
            payJailFine(index);
            leaveJail(index);
        });
        return;
    }
    // Throws for a double: the throw itself decides.
    phase_ = Phase::ToThrow;
    takeTurn(index);
    refreshActions();
}

void Engine::useJailCard(int index)
{
    // The card goes back to its place in its deck.
    const int slot = state_.JailCardHolder[0] == index ? 0 : 1;
    state_.JailCardHolder[slot] = -1;
    const std::string &name = player(index).Name;
    log(name + " Uses a Get Out of Jail Free card");
    screen_.showStatus(userText("Engine", "%1 Uses a Get Out of Jail Free card").arg(name));
}

void Engine::payJailFine(int index)
{
    Player &p = player(index);
    const Cash before = p.Money;
    transfer(index, JailFine, bankOrPot());
    log(nameAndBalance(p.Name, before) + " Pays " + pounds(JailFine) + " to leave Jail  -->  " + pounds(p.Money));
    screen_.showStatus(userText("Engine", "%1 Pays %2 to leave Jail").arg(p.Name, pounds(JailFine)));
    screen_.refreshMoney();
}

void Engine::releaseFromJail(int index)
{
    Player &p = player(index);
    p.InJail = false;
    p.JailThrows = 0;
    screen_.showPlayerState(index);
}

void Engine::leaveJail(int index)
{
    releaseFromJail(index);
    phase_ = Phase::ToThrow;
    takeTurn(index);
    refreshActions();
}

void Engine::throwInJail(int index, int die1, int die2)
{
    Player &p = player(index);
    p.DoublesCount = 0;   // a double that frees a player gives no further throw
    if (die1 == die2) {
        log(p.Name + " Throws a Double and leaves Jail");
        screen_.showStatus(userText("Engine", "%1 Throws a Double and leaves Jail").arg(p.Name));
        releaseFromJail(index);
        walkThrow(index, die1 + die2);
        return;
    }
    if (++p.JailThrows < ThrowsInJail) {
        log(p.Name + " Stays in Jail");
        screen_.showStatus(userText("Engine", "%1 Stays in Jail").arg(p.Name));
        nextPlayer();
        playerToThrow();
        return;
    }
    // The third throw that fails: the player leaves, by the fine or by a
    // card they hold, and moves by that throw.
    const int total = die1 + die2;
    if (state_.jailCards(index) == 0) {
        leaveAfterThirdThrow(index, JailChoice::PayFine, total);
        return;
    }
    phase_ = Phase::Deciding;
    controller(index).payOrUseCard(*this, index, once<JailChoice>([this, index, total](JailChoice choice) {
                                       noteDecision(Decision::Kind::Jail, index, static_cast<int>(choice));
                                       leaveAfterThirdThrow(index, choice, total);
                                   }));
}

void Engine::leaveAfterThirdThrow(int index, JailChoice choice, int total)
{
    phase_ = Phase::Moving;   // and so again after any money raised for the fine
    const auto walkOut = [this, index, total] {
        releaseFromJail(index);
        walkThrow(index, total);
    };
    if (choice == JailChoice::UseCard && state_.jailCards(index) > 0) {
        useJailCard(index);
        walkOut();
        return;
    }
    charge(index, JailFine, bankOrPot(), {OwedFor::What::JailFine}, [this, index, walkOut] {
        payJailFine(index);
        walkOut();
    });
}

} // namespace tycora
