// The card faces under Full rules: every card acts, so no face carries the
// classic note that it has no effect; a card that acts under both rule
// sets keeps exactly its classic face.

#include "assets/art_catalog.h"
#include "assets/game_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace tycora::art {
namespace {

const Art &classicFace(Deck deck, int number) { return deck == Deck::Chance ? chanceCard(number) : communityCard(number); }

TEST(FullRulesFaces, DropTheNoEffectNoteAndKeepEveryOtherFace)
{
    for (const Deck deck : {Deck::Chance, Deck::CommunityChest}) {
        for (int n = 1; n <= CardsPerDeck; ++n) {
            const std::string what = (deck == Deck::Chance ? "chance " : "community ") + std::to_string(n);
            const Art &full = fullRulesCard(deck, n);
            ASSERT_FALSE(full.isNull()) << what;
            EXPECT_EQ(full.size(), QSize(275, 140)) << what;
            const QImage fullImage = full.image({275, 140});
            const QImage classicImage = classicFace(deck, n).image({275, 140});
            // The ground of the deck, as the classic face has it.
            EXPECT_EQ(fullImage.pixel(12, 70), classicImage.pixel(12, 70)) << what;
            const bool actsInClassic = deckCards(deck)[n - 1].classic.kind != CardEffect::Kind::None;
            if (actsInClassic)
                EXPECT_EQ(fullImage, classicImage) << what << " looks as it always has";
            else
                EXPECT_NE(fullImage, classicImage) << what << " loses its note";
        }
    }
    EXPECT_TRUE(fullRulesCard(Deck::Chance, 0).isNull());
    EXPECT_TRUE(fullRulesCard(Deck::CommunityChest, 15).isNull());
}

TEST(FullRulesFaces, InTheirOwnPictureLists)
{
    const GamePictures &lists = GamePictures::instance();
    ASSERT_EQ(lists.imgsChanceFull.count(), CardsPerDeck);
    ASSERT_EQ(lists.imgsCommunityFull.count(), CardsPerDeck);
    EXPECT_EQ(lists.imgsChanceFull.key(3), "ChanceFull3");
    EXPECT_EQ(lists.imgsCommunityFull.key(14), "CommunityFull14");
    EXPECT_EQ(lists.imgsChanceFull.picture(11), fullRulesCard(Deck::Chance, 11));
    EXPECT_EQ(lists.imgsCommunityFull.picture(2), fullRulesCard(Deck::CommunityChest, 2));
    EXPECT_FALSE(lists.imgsCommunityFull.picture(2) == lists.imgsCommunity.picture(2));
}

} // namespace
} // namespace tycora::art
