// Chance and Community Chest: decks drawn in order, never shuffled.

#include "game/engine.h"

#include "game/board.h"
#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"

namespace tycora {

namespace {

// The next position of a deck, begun again from the top when exhausted.
Integer &nextCard(Integer &position)
{
    if (position >= DeckSize || position < 0)
        position = 0;
    return position;
}

} // namespace

void Engine::drawChance(int index)
{
    Integer &pos = nextCard(state_.ChancePos);
    screen_.showCard(Deck::Chance, pos + 1);
    applyChance(index, state_.ChanceCards[pos].CardId);
    ++pos;
}

void Engine::drawCommunityChest(int index)
{
    Integer &pos = nextCard(state_.CommunityPos);
    screen_.showCard(Deck::CommunityChest, pos + 1);
    applyCommunityChest(index, state_.CommunityCards[pos].CardId);
    ++pos;
}

void Engine::setTargetSquare(int index, int square) { player(index).TargetSquare = static_cast<Integer>(square); }

void Engine::moveTo(int index, int square, Walk walk)
{
    setTargetSquare(index, square);
    state_.MoveFlag = true;
    walk_ = walk;
}

void Engine::applyChance(int index, const std::string &id)
{
    const Player &p = player(index);
    const std::string landed = logging() ? nameAndBalance(p.Name, p.Money) + " Landed on Chance: " + id : std::string();
    const auto advance = [&](int square) {
        log(landed);
        moveTo(index, square, Walk::Card);
    };

    if (id == "AdvanceToMayfair") {
        advance(squares::Mayfair);
    } else if (id == "AdvanceToPallMall") {
        advance(11);
    } else if (id == "AdvanceToNearestStation") {
        const int t = nearestStation(p.Square);
        log(landed + " - " + number(t));
        moveTo(index, t, Walk::Card);
    } else if (id == "AdvanceToGO") {
        advance(squares::Go);
    } else if (id == "AdvanceToTrafalgarSquare") {
        advance(24);
    } else if (id == "AdvanceToNearestUtility") {
        const int t = nearestUtility(p.Square);
        log(landed + " - " + number(t));
        moveTo(index, t, Walk::Card);
    } else if (id == "GoBack3Spaces") {
        // Walks back three squares, the only walk that goes backwards.
        const int t = (p.Square - 3 + SquareCount) % SquareCount;
        log(landed + " - " + number(p.Square) + " = " + number(p.Square - 3));
        moveTo(index, t, Walk::Back);
    } else if (id == "BankDividend") {
        cardPayment(index, id, 50);
    } else if (id == "BuildingLoadMatures") {
        cardPayment(index, id, 100);
    } else if (id == "GoJail") {
        log(landed);
        goToJail(index);
    } else if (id == "PoorTax") {
        cardPayment(index, id, -15);
    }
    // HouseRepairs, TripMarylebone and GetOutJailCard only show their face.
}

void Engine::applyCommunityChest(int index, const std::string &id)
{
    const Player &p = player(index);
    if (id == "AdvanceToGO") {
        if (logging())
            log(nameAndBalance(p.Name, p.Money) + " Landed on Chance: AdvanceToGO");
        moveTo(index, squares::Go, Walk::Card);
    }
    // The other cards only show their face.
}

void Engine::cardPayment(int index, const std::string &id, int amount)
{
    const Player &p = player(index);
    if (logging()) {
        const long long after = saturate(p.Money + amount);
        // The poor-tax line has always ended in a dollar sign; readers of
        // the log rely on the exact text.
        std::string paid;
        if (amount < 0)
            paid.append("-").append(pounds(-amount)).append("  --->   $").append(number(after));
        else
            paid.append(pounds(amount)).append("  --->   ").append(pounds(after));
        log(nameAndBalance(p.Name, p.Money) + " Landed on Chance: " + id + "    " + paid);
    }
    changeBalance(index, amount);
    screen_.refreshMoney();
}

} // namespace tycora
