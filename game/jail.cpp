// Jail (Full rules): a player sent to jail is held there until they pay the
// fine, use a Get Out of Jail Free card, or throw a double; after three
// failed throws they pay and move.

#include "game/engine.h"
#include "game/rules.h"

#include "game/text.h"

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
    Player &p = player(index);
    if (choice == JailChoice::UseCard && state_.jailCards(index) > 0) {
        // The card goes back to its place in its deck.
        const int slot = state_.JailCardHolder[0] == index ? 0 : 1;
        state_.JailCardHolder[slot] = -1;
        log(p.Name + " Uses a Get Out of Jail Free card");
        screen_.showStatus(p.Name + " Uses a Get Out of Jail Free card");
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
    controller(index).turnToThrow(*this, index);
    refreshActions();
}

void Engine::payJailFine(int index)
{
    Player &p = player(index);
    const Integer before = p.Money;
    transfer(index, JailFine, bankOrPot());
    log(nameAndBalance(p.Name, before) + " Pays " + pounds(JailFine) + " to leave Jail  -->  " + pounds(p.Money));
    screen_.showStatus(p.Name + " Pays " + pounds(JailFine) + " to leave Jail");
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
    controller(index).turnToThrow(*this, index);
    refreshActions();
}

void Engine::throwInJail(int index, int die1, int die2)
{
    Player &p = player(index);
    p.DoublesCount = 0;   // a double that frees a player gives no further throw
    if (die1 == die2) {
        log(p.Name + " Throws a Double and leaves Jail");
        screen_.showStatus(p.Name + " Throws a Double and leaves Jail");
        releaseFromJail(index);
        walkThrow(index, die1 + die2);
        return;
    }
    if (++p.JailThrows < ThrowsInJail) {
        log(p.Name + " Stays in Jail");
        screen_.showStatus(p.Name + " Stays in Jail");
        nextPlayer();
        playerToThrow();
        return;
    }
    // The third throw that fails: pay the fine and move by that throw.
    charge(index, JailFine, bankOrPot(), {OwedFor::What::JailFine}, [this, index, die1, die2] {
        payJailFine(index);
        releaseFromJail(index);
        phase_ = Phase::Moving;
        walkThrow(index, die1 + die2);
    });
}

} // namespace tycora
