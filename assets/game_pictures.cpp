#include "assets/game_pictures.h"

#include "assets/art_catalog.h"

namespace tycora::art {

namespace {

GamePictures build()
{
    GamePictures g;
    for (int i = 1; i <= 14; ++i) {
        g.imgsChance.add(QStringLiteral("Chance%1").arg(i), chanceCard(i));
        g.imgsCommunity.add(QStringLiteral("Community%1").arg(i), communityCard(i));
        g.imgsChanceFull.add(QStringLiteral("ChanceFull%1").arg(i), fullRulesCard(Deck::Chance, i));
        g.imgsCommunityFull.add(QStringLiteral("CommunityFull%1").arg(i), fullRulesCard(Deck::CommunityChest, i));
    }
    const char *pieces[] = {"Dog ", "Car ", "Battleship", "Hat", "Shoe", "Wheelbarrow"};
    const char *colours[] = {"Red", "Blue", "Green", "Yellow", "Orange", "Purple"};
    for (int i = 1; i <= 6; ++i) {
        g.imgsPieces.add(QString::fromLatin1(pieces[i - 1]), piece(i));
        g.imgsColours.add(QString::fromLatin1(colours[i - 1]), colourSwatch(i));
    }
    g.imgsType.add(QStringLiteral("Human"), playerType(1));
    g.imgsType.add(QStringLiteral("Computer"), playerType(2));
    for (int i = 1; i <= 9; ++i) {
        g.imgsMinis.add(QStringLiteral("Mini%1").arg(i), miniDeed(i));
        g.imgsMortgage.add(QStringLiteral("Mortgage%1").arg(i), mortgageCard(i));
    }
    return g;
}

} // namespace

const GamePictures &GamePictures::instance()
{
    static const GamePictures pictures = build();
    return pictures;
}

} // namespace tycora::art
