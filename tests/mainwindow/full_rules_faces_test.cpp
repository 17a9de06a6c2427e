// Every card of both decks drawn in play under Full rules shows the face
// that says what it does.

#include "full_rules_game.h"

#include "assets/game_pictures.h"

namespace tycora::testing {
namespace {

class DrawnFaces : public FullRulesGame {};

TEST_F(DrawnFaces, EveryCardDrawnUnderFullRulesShowsItsFullFace)
{
    const auto &pictures = art::GamePictures::instance();
    for (const Deck deck : {Deck::Chance, Deck::CommunityChest}) {
        const bool chance = deck == Deck::Chance;
        for (int position = 0; position < DeckSize; ++position) {
            startEngine();
            (chance ? state.ChancePos : state.CommunityPos) = static_cast<Integer>(position);
            throwFrom(0, chance ? 4 : 14, 1, 2);   // onto Chance (7) or Community Chest (17)
            const std::string drawn = ": " + std::string(cardName(deckCards(deck)[position].id));
            ASSERT_TRUE(std::any_of(log.lines.begin(), log.lines.end(), [&](const std::string &l) {
                return l.find(drawn) != std::string::npos;
            })) << drawn;
            const ui::Art face = (chance ? pictures.imgsChanceFull : pictures.imgsCommunityFull).picture(position + 1);
            EXPECT_EQ(picture("imgCard")->picture(), face) << drawn;
            EXPECT_TRUE(picture("imgCard")->isVisible()) << drawn;
        }
    }
}

} // namespace
} // namespace tycora::testing
