// Chance and Community Chest: decks drawn in order, never shuffled; each
// card's effect is looked up in the card table under the rule set in play.

#include "game/engine.h"

#include "game/board.h"
#include "game/rules.h"
#include "game/text.h"

namespace tycora {

namespace {

int deckSlot(Deck deck) { return deck == Deck::Chance ? 0 : 1; }

std::string deckTitle(Deck deck) { return deck == Deck::Chance ? "Chance" : "Community Chest"; }

} // namespace

void Engine::drawChance(int index) { drawCard(index, Deck::Chance); }

void Engine::drawCommunityChest(int index) { drawCard(index, Deck::CommunityChest); }

void Engine::drawCard(int index, Deck deck)
{
    Integer &position = deck == Deck::Chance ? state_.ChancePos : state_.CommunityPos;
    const auto &cards = deck == Deck::Chance ? state_.ChanceCards : state_.CommunityCards;
    // Begun again from the top when exhausted; a Get Out of Jail Free card
    // that a player keeps is out of the deck, so its place is skipped.
    for (int tries = 0; tries <= DeckSize; ++tries) {
        if (position >= DeckSize || position < 0)
            position = 0;
        const bool heldByPlayer =
            cards[position].CardId == CardId::GetOutJailCard && state_.JailCardHolder[deckSlot(deck)] >= 0;
        if (!heldByPlayer)
            break;
        ++position;
    }
    const int drawn = position;
    screen_.showCard(deck, drawn + 1);
    ++position;
    applyCard(index, deck, drawn);
}

void Engine::applyCard(int index, Deck deck, int position)
{
    const auto &cards = deck == Deck::Chance ? state_.ChanceCards : state_.CommunityCards;
    const CardId id = cards[position].CardId;
    const CardInfo *info = nullptr;
    for (const CardInfo &c : deckCards(deck))
        if (c.id == id)
            info = &c;
    if (!info) {
        afterLanding(index);
        return;
    }
    const CardEffect &effect = fullRules() ? info->full : info->classic;
    const Player &p = player(index);
    // " Landed on Chance: AdvanceToMayfair", after the player's name and
    // balance. The classic log names the Chance deck for one Community Chest
    // card; under Full rules every line names the deck the card came from.
    const Deck named = fullRules() ? deck : info->loggedAs;
    const std::string card =
        logging() ? " Landed on " + deckTitle(named) + ": " + std::string(cardName(id)) : std::string();
    const std::string landed = logging() ? nameAndBalance(p.Name, p.Money) + card : std::string();
    using Kind = CardEffect::Kind;
    switch (effect.kind) {
    case Kind::AdvanceTo:
        log(landed);
        moveTo(index, effect.square, Walk::Card);
        break;
    case Kind::NearestOf: {
        const int target = nextSquareOfKind(p.Square, static_cast<SquareKind>(effect.square));
        log(landed + " - " + number(target));
        moveTo(index, target, Walk::Card);
        break;
    }
    case Kind::WalkBack: {
        const int target = (p.Square - effect.amount + BoardSize) % BoardSize;
        log(landed + " - " + number(p.Square) + " = " + number(p.Square - effect.amount));
        moveTo(index, target, Walk::Back);
        break;
    }
    case Kind::BackTo:
        log(landed);
        moveTo(index, effect.square, Walk::Back);
        break;
    case Kind::Money: {
        // The one paying card of the classic game ends its line in a dollar
        // sign; readers of the classic log rely on the exact text.
        const bool dollarLine = !fullRules() && info->classic.kind == Kind::Money && effect.amount < 0;
        cardPayment(index, card, effect.amount, dollarLine);
        return;
    }
    case Kind::Repairs: {
        const int bill = housesOf(state_, index) * effect.amount + hotelsOf(state_, index) * effect.perHotel;
        cardPayment(index, card, -bill, false);
        return;
    }
    case Kind::Jail:
        log(landed);
        goToJail(index);
        break;
    case Kind::KeepToLeaveJail:
        log(landed);
        state_.JailCardHolder[deckSlot(deck)] = index;
        screen_.showPlayerState(index);
        break;
    case Kind::None: break;   // the card only shows its face
    }
    afterLanding(index);
}

void Engine::cardPayment(int index, const std::string &card, int amount, bool dollarLine)
{
    const auto pay = [this, index, card, amount, dollarLine] {
        const Player &p = player(index);
        if (logging()) {
            // Written with the balance the card leaves, before the money moves.
            const Cash after = balanceAfter(p.Money, amount);
            const std::string figures =
                amount >= 0 ? pounds(amount) + "  --->   " + pounds(after)
                            : "-" + pounds(-amount) + "  --->   " + (dollarLine ? "$" + number(after) : pounds(after));
            // A payment made after raising money shows the balance it was paid from.
            log(nameAndBalance(p.Name, p.Money) + card + "    " + figures);
        }
        if (amount >= 0)
            changeBalance(index, amount);
        else
            transfer(index, -amount, bankOrPot());
        screen_.refreshMoney();
        afterLanding(index);
    };
    if (amount >= 0)
        pay();
    else
        charge(index, -amount, bankOrPot(), {OwedFor::What::Card, player(index).Square}, pay, card);
}

} // namespace tycora
