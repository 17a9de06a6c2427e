// The card faces under Full rules: no face carries the classic note that
// the card has no effect; a card that acts under both rule sets keeps its
// classic face exactly.

#include "assets/art_catalog.h"
#include "assets/game_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tycora::art {
namespace {

TEST(FullRulesFaces, DropTheNoEffectNoteAndKeepEveryOtherFace)
{
    const GamePictures &lists = GamePictures::instance();
    for (const Deck deck : {Deck::Chance, Deck::CommunityChest}) {
        const bool chance = deck == Deck::Chance;
        for (int n = 1; n <= CardsPerDeck; ++n) {
            const std::string what = (chance ? "chance " : "community ") + std::to_string(n);
            const Art &full = fullRulesCard(deck, n);
            EXPECT_EQ(full, (chance ? lists.imgsChanceFull : lists.imgsCommunityFull).picture(n)) << what;
            ASSERT_EQ(full.size(), QSize(275, 140)) << what;
            const QImage classic = (chance ? chanceCard(n) : communityCard(n)).image({275, 140});
            if (deckCards(deck)[n - 1].classic.kind != CardEffect::Kind::None)
                EXPECT_EQ(full.image({275, 140}), classic) << what << " looks as it always has";
            else
                EXPECT_NE(full.image({275, 140}), classic) << what << " loses its note";
        }
    }
    EXPECT_TRUE(fullRulesCard(Deck::CommunityChest, 15).isNull());
    EXPECT_EQ(lists.imgsCommunityFull.key(14), "CommunityFull14");
}

} // namespace
} // namespace tycora::art
