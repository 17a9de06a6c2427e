#include "support/engine_fixture.h"

#include "game/rules.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Cards : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
    }
    // Ann lands on the Chance square `square` and draws the card at `pos`.
    void drawChanceAt(int pos, int square)
    {
        state.ChancePos = static_cast<Integer>(pos);
        landOn(0, square);
    }
    std::vector<std::string> cardLines() const
    {
        std::vector<std::string> lines;
        for (const std::string &l : log.lines)
            if (l.find("Landed on") != std::string::npos)
                lines.push_back(l);
        return lines;
    }
};

TEST_F(Cards, AdvanceCardsWalkToTheirSquareAndLogTheCard)
{
    struct Case {
        int pos, from, target;
        std::string line;
    };
    const Case cases[] = {
        {0, 7, 39, "Ann (" + P + "1500) Landed on Chance: AdvanceToMayfair"},
        {1, 22, 11, "Ann (" + P + "1500) Landed on Chance: AdvanceToPallMall"},
        {2, 7, 15, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestStation - 15"},
        {2, 22, 25, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestStation - 25"},
        {2, 36, 5, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestStation - 5"},
        {3, 36, 0, "Ann (" + P + "1500) Landed on Chance: AdvanceToGO"},
        {4, 7, 24, "Ann (" + P + "1500) Landed on Chance: AdvanceToTrafalgarSquare"},
        {5, 7, 12, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestUtility - 12"},
        {5, 22, 28, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestUtility - 28"},
        {5, 36, 12, "Ann (" + P + "1500) Landed on Chance: AdvanceToNearestUtility - 12"},
        {6, 22, 19, "Ann (" + P + "1500) Landed on Chance: GoBack3Spaces - 22 = 19"},
        {9, 7, 10, "Ann (" + P + "1500) Landed on Chance: GoJail"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        log.lines.clear();
        state.Players[0].Money = 1500;
        drawChanceAt(c.pos, c.from);
        EXPECT_EQ(state.Players[0].Square, c.target);
        EXPECT_FALSE(state.MoveFlag);
        EXPECT_EQ(cardLines(), std::vector<std::string>{c.line});
        EXPECT_EQ(screen.cardDeck, Deck::Chance);
        EXPECT_EQ(state.ChancePos, c.pos + 1);
    }
}

TEST_F(Cards, MoneyCardsPayOrChargeAndShowTheNewBalanceAtOnce)
{
    drawChanceAt(7, 7);
    EXPECT_EQ(money(0), 1550);
    EXPECT_EQ(cardLines().back(), "Ann (" + P + "1500) Landed on Chance: BankDividend    " + P + "50  --->   " + P + "1550");
    const auto card = std::find(screen.calls.begin(), screen.calls.end(), "chance:8");
    EXPECT_NE(std::find(card, screen.calls.end(), "refreshMoney"), screen.calls.end());
    drawChanceAt(8, 7);
    EXPECT_EQ(money(0), 1650);
    EXPECT_EQ(cardLines().back(),
              "Ann (" + P + "1550) Landed on Chance: BuildingLoadMatures    " + P + "100  --->   " + P + "1650");
    state.Players[0].Money = 10;
    drawChanceAt(11, 7);
    EXPECT_EQ(money(0), -5);
    // The poor-tax line keeps its dollar sign.
    EXPECT_EQ(cardLines().back(), "Ann (" + P + "10) Landed on Chance: PoorTax    -" + P + "15  --->   $-5");
    EXPECT_EQ(state.Players[0].Square, 7);
}

TEST_F(Cards, CardsWithoutEffectOnlyShowTheirFace)
{
    for (int pos : {10, 12, 13}) {
        drawChanceAt(pos, 7);
        EXPECT_EQ(screen.cardShown, pos + 1);
        EXPECT_EQ(state.Players[0].Square, 7);
    }
    for (int pos = 1; pos < DeckSize; ++pos) {
        state.CommunityPos = static_cast<Integer>(pos);
        landOn(0, 17);
        EXPECT_EQ(screen.cardDeck, Deck::CommunityChest);
        EXPECT_EQ(screen.cardShown, pos + 1);
        EXPECT_EQ(state.Players[0].Square, 17);
    }
    EXPECT_EQ(money(0), 1500);
    EXPECT_TRUE(cardLines().empty());
    EXPECT_EQ(state.JailCardHolder[0], -1);
    EXPECT_EQ(state.JailCardHolder[1], -1);
}

TEST_F(Cards, TheFifteenthDrawStartsTheDeckAgain)
{
    for (int i = 0; i < 14; ++i)
        drawChanceAt(state.ChancePos, 22);
    EXPECT_EQ(state.ChancePos, 14);
    log.lines.clear();
    state.Players[0].Money = 1635;
    landOn(0, 22);
    EXPECT_EQ(screen.cardShown, 1);
    EXPECT_EQ(state.ChancePos, 1);
    EXPECT_EQ(state.Players[0].Square, 39);
    EXPECT_EQ(cardLines().back(), "Ann (" + P + "1635) Landed on Chance: AdvanceToMayfair");
}

TEST_F(Cards, AdvanceToMayfairEndsWithTheOfferOfMayfair)
{
    standOn(0, 4);
    throwAndMove(0, 1, 2);   // to Chance on 7, first card
    EXPECT_EQ(state.Players[0].Square, 39);
    EXPECT_EQ(screen.questions.back(), "Ann, do you want to purchase Mayfair for " + P + "400?");
    EXPECT_EQ(state.SquareStats[7].Landed, 1);
    EXPECT_EQ(state.SquareStats[39].Landed, 1);
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST_F(Cards, NearestStationFromTheLastChancePassesGoForTheSalaryAndPaysRent)
{
    give(1, 5);
    state.ChancePos = 2;
    standOn(0, 33);
    throwAndMove(0, 1, 2);   // 36
    EXPECT_EQ(state.Players[0].Square, 5);
    EXPECT_EQ(money(0), 1500 + 200 - 25);
    EXPECT_TRUE(logged("Ann (" + P + "1500) Passed GO:  " + P + "200  -->  " + P + "1700"));
    EXPECT_TRUE(logged("Ann Pays Bob " + P + "25 Rent for King's Cross Station"));
}

TEST_F(Cards, AdvanceToGoPaysTheSalaryOnArrival)
{
    state.ChancePos = 3;
    standOn(0, 33);
    throwAndMove(0, 1, 2);   // 36, then to GO
    EXPECT_EQ(state.Players[0].Square, 0);
    EXPECT_EQ(money(0), 1700);

    // The Community Chest card does the same with its own log text.
    state.CurrentPlayer = 0;
    standOn(0, 14);
    throwAndMove(0, 1, 2);   // 17
    EXPECT_EQ(state.Players[0].Square, 0);
    EXPECT_EQ(money(0), 1900);
    EXPECT_TRUE(logged("Ann (" + P + "1700) Landed on Chance: AdvanceToGO"));
}

TEST_F(Cards, GoBackThreeSpacesWalksBackwardsWithoutPassingGo)
{
    state.ChancePos = 6;
    standOn(0, 20);
    standOn(1, 22);
    scriptDice({1, 1});
    engine.rollDice(0);
    finishMove();
    // 20 -> 22 (double), card, back to 19 Vine Street (offer declined).
    EXPECT_EQ(state.Players[0].Square, 19);
    EXPECT_EQ(screen.questions.back(), "Ann, do you want to purchase Vine Street for " + P + "200?");
    EXPECT_EQ(money(0), 1500);
    EXPECT_EQ(state.SquareStats[19].Landed, 1);
    EXPECT_EQ(state.SquareStats[20].Landed, 0);
    // The backward steps drew the piece on 21, then 20, then 19, and put
    // Bob back on 22 when Ann left it.
    EXPECT_EQ(screen.pieceOn[19], 1);
    EXPECT_EQ(screen.pieceOn[20], 0);
    EXPECT_EQ(screen.pieceOn[21], 0);
    EXPECT_EQ(screen.pieceOn[22], 2);
    EXPECT_EQ(screen.status, "Ann Rolled a Double and gets Another Throw");
}

TEST_F(Cards, GoBackThreeSpacesFromSevenLandsOnIncomeTax)
{
    state.ChancePos = 6;
    standOn(0, 4);
    throwAndMove(0, 1, 2);
    EXPECT_EQ(state.Players[0].Square, 4);
    EXPECT_EQ(money(0), 1300);
}

TEST_F(Cards, GoJailWalksToJailWithoutSalary)
{
    state.ChancePos = 9;
    standOn(0, 33);
    throwAndMove(0, 1, 2);
    EXPECT_EQ(state.Players[0].Square, 10);
    EXPECT_EQ(money(0), 1500);
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST(Destinations, NearestStationAndUtilityFromEverySquare)
{
    for (int sq = 0; sq < 40; ++sq) {
        const int station = (sq >= 36 || sq <= 4) ? 5 : sq <= 14 ? 15 : sq <= 24 ? 25 : 35;
        const int utility = (sq >= 13 && sq <= 27) ? 28 : 12;
        if (sq % 10 != 5) {
            EXPECT_EQ(nearestStation(sq), station) << sq;
        }
        if (sq != 12 && sq != 28) {
            EXPECT_EQ(nearestUtility(sq), utility) << sq;
        }
    }
}

} // namespace
} // namespace tycora::testing
