#include "game/decks.h"

namespace tycora {

namespace {

void fill(std::array<Card, DeckSize> &cards, Deck deck)
{
    const auto &table = deckCards(deck);
    for (int i = 0; i < DeckSize; ++i)
        cards[i].CardId = table[i].id;
}

} // namespace

void fillChanceDeck(GameState &state) { fill(state.ChanceCards, Deck::Chance); }

void fillCommunityDeck(GameState &state) { fill(state.CommunityCards, Deck::CommunityChest); }

} // namespace tycora
