// The drawn card under Full rules: every card of both decks, drawn in play,
// shows the face that says what it does; under Classic rules the window
// keeps the classic faces.

#include "full_rules_game.h"

#include "assets/game_pictures.h"

namespace tycora::testing {
namespace {

class DrawnFaces : public FullRulesGame {};

TEST_F(DrawnFaces, EveryCardDrawnUnderFullRulesShowsItsFullFace)
{
    const auto &pictures = art::GamePictures::instance();
    // Ann stops on Chance (7) or Community Chest (17) with the deck at the card.
    for (const Deck deck : {Deck::Chance, Deck::CommunityChest}) {
        for (int position = 0; position < DeckSize; ++position) {
            startEngine();
            (deck == Deck::Chance ? state.ChancePos : state.CommunityPos) = static_cast<Integer>(position);
            standOn(0, deck == Deck::Chance ? 4 : 14);
            throwAndMove(0, 1, 2);
            const std::string drawn = ": " + std::string(cardName(deckCards(deck)[position].id));
            ASSERT_TRUE(std::any_of(log.lines.begin(), log.lines.end(),
                                    [&](const std::string &l) { return l.find(drawn) != std::string::npos; }))
                << drawn;
            const ui::PictureList &full = deck == Deck::Chance ? pictures.imgsChanceFull : pictures.imgsCommunityFull;
            EXPECT_EQ(picture("imgCard")->picture(), full.picture(position + 1))
                << (deck == Deck::Chance ? "Chance " : "Community Chest ") << position + 1;
            EXPECT_TRUE(picture("imgCard")->isVisible());
            screen().showAuction(nullptr);   // an auction the card led to is left behind
        }
    }
}

TEST_F(DrawnFaces, ClassicRulesKeepTheClassicFaces)
{
    const auto &pictures = art::GamePictures::instance();
    screen().setRules(RuleSet::Classic);
    screen().showCard(Deck::CommunityChest, 5);
    EXPECT_EQ(picture("imgCard")->picture(), pictures.imgsCommunity.picture(5));
    screen().setRules(RuleSet::Full);
    screen().showCard(Deck::CommunityChest, 5);
    EXPECT_EQ(picture("imgCard")->picture(), pictures.imgsCommunityFull.picture(5));
}

} // namespace
} // namespace tycora::testing
