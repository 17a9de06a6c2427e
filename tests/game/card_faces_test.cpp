// The faces of the cards: the exact text each card prints, and every sum on
// a face is a sum the card's effect pays or charges, so that a face and its
// effect cannot drift apart.

#include "game/card_table.h"
#include "game/square_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>

namespace tycora::testing {
namespace {

struct ExpectedFace {
    Deck deck;
    int position;
    const char *text;
};

const ExpectedFace Faces[] = {
    {Deck::Chance, 0, "ADVANCE TO MAYFAIR"},
    {Deck::Chance, 1, "ADVANCE TO PALL MALL"},
    {Deck::Chance, 2, "ADVANCE TO THE NEAREST STATION"},
    {Deck::Chance, 3, "ADVANCE TO GO,\nCOLLECT £200"},
    {Deck::Chance, 4, "ADVANCE TO TRAFALGAR SQUARE"},
    {Deck::Chance, 5, "ADVANCE TO THE NEAREST UTILITY"},
    {Deck::Chance, 6, "GO BACK 3 SPACES"},
    {Deck::Chance, 7, "THE BANK PAYS YOU A DIVIDEND OF £50"},
    {Deck::Chance, 8, "YOUR BUILDING LOAN MATURES: COLLECT £100"},
    {Deck::Chance, 9, "GO DIRECTLY TO JAIL"},
    {Deck::Chance, 10, "REPAIRS TO ALL YOUR PROPERTY: PAY £25 FOR EACH HOUSE AND £100 FOR EACH HOTEL"},
    {Deck::Chance, 11, "PAY A POOR TAX OF £15"},
    {Deck::Chance, 12, "TAKE A TRIP TO MARYLEBONE STATION"},
    {Deck::Chance, 13, "GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT"},
    {Deck::CommunityChest, 0, "ADVANCE TO GO,\nCOLLECT £200"},
    {Deck::CommunityChest, 1, "GO BACK TO OLD KENT ROAD"},
    {Deck::CommunityChest, 2, "A BANK ERROR IN YOUR FAVOUR: COLLECT £200"},
    {Deck::CommunityChest, 3, "SECOND PRIZE IN A BEAUTY CONTEST: COLLECT £10"},
    {Deck::CommunityChest, 4, "DOCTOR'S FEE: PAY £50"},
    {Deck::CommunityChest, 5, "YOU INHERIT £100"},
    {Deck::CommunityChest, 6, "YOUR LIFE INSURANCE MATURES: COLLECT £100"},
    {Deck::CommunityChest, 7, "PAY THE HOSPITAL £100"},
    {Deck::CommunityChest, 8, "FROM THE SALE OF STOCK YOU GET £50"},
    {Deck::CommunityChest, 9, "PAY YOUR SCHOOL TAX OF £150"},
    {Deck::CommunityChest, 10, "YOU ARE ASSESSED FOR STREET REPAIRS: £40 A HOUSE, £115 A HOTEL"},
    {Deck::CommunityChest, 11, "INCOME TAX REFUND: COLLECT £20"},
    {Deck::CommunityChest, 12, "YOUR CHRISTMAS FUND MATURES: COLLECT £100"},
    {Deck::CommunityChest, 13, "GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT"},
};

TEST(CardFaces, EachCardPrintsItsText)
{
    for (const ExpectedFace &expected : Faces)
        EXPECT_EQ(cardFace(deckCards(expected.deck)[expected.position]), expected.text)
            << "card " << expected.position << " of " << (expected.deck == Deck::Chance ? "Chance" : "Community Chest");
}

// The sums a card's effect deals in: what it pays or charges (a house and a
// hotel for repairs), and GO's salary for a card that sends the piece to GO.
std::set<int> sumsOfTheEffect(const CardEffect &effect)
{
    using Kind = CardEffect::Kind;
    switch (effect.kind) {
    case Kind::Money: return {std::abs(effect.amount)};
    case Kind::Repairs: return {effect.amount, effect.perHotel};
    case Kind::AdvanceTo:
        if (effect.square == 0)
            return {GoSalary};
        return {};
    default: return {};
    }
}

TEST(CardFaces, EverySumOnAFaceIsASumOfItsEffect)
{
    const std::regex sum("£([0-9]+)");
    for (Deck deck : {Deck::Chance, Deck::CommunityChest}) {
        for (const CardInfo &card : deckCards(deck)) {
            const std::string face = cardFace(card);
            std::set<int> onTheFace;
            for (auto it = std::sregex_iterator(face.begin(), face.end(), sum); it != std::sregex_iterator(); ++it)
                onTheFace.insert(std::stoi((*it)[1]));
            EXPECT_EQ(onTheFace, sumsOfTheEffect(card.full)) << cardName(card.id) << ": " << face;
            // A card that acts under both rule sets does the same under each.
            if (card.classic.kind != CardEffect::Kind::None)
                EXPECT_EQ(sumsOfTheEffect(card.classic), sumsOfTheEffect(card.full)) << cardName(card.id);
        }
    }
}

} // namespace
} // namespace tycora::testing
