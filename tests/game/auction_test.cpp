// Auctions under Full rules: a square its lander does not buy goes to the
// players in turn from the lander's left; the last bidder standing buys.

#include "support/engine_fixture.h"

#include "game/computer_players.h"
#include "support/pound.h"

#include <algorithm>

namespace tycora::testing {
namespace {

class Auctions : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
        addPlayer("Cy");
        useFullRules();
        engine.startGame();
    }
};

TEST_F(Auctions, PeopleBidInTurnUntilOneIsLeft)
{
    // Ann declines Mayfair; Bob, Cy and Ann bid in that order.
    screen.bids = {100, 150, 160, 0, 200, 0};
    landOn(0, 39);
    // Bob 100, Cy 150, Ann 160, Bob passes, Cy 200, Ann passes: Cy buys.
    EXPECT_EQ(screen.bidsAsked, (std::vector<std::string>{"1:0", "2:100", "0:150", "1:160", "2:160", "0:200"}));
    EXPECT_TRUE(state.holds(2, 39));
    EXPECT_EQ(money(2), 1300);
    EXPECT_TRUE(logged("Cy (" + P + "1500) Wins the Auction for Mayfair at " + P + "200  -->  " + P + "1300"));
    EXPECT_EQ(screen.status, "Cy Wins the Auction for Mayfair at " + P + "200");
    EXPECT_EQ(screen.squareShown[39].owner, 2);
    EXPECT_TRUE(screen.propertyCardVisible);
    EXPECT_FALSE(screen.auctionShown);
    EXPECT_EQ(state.CurrentPlayer, 1);   // Ann's move then ended as usual
}

TEST_F(Auctions, ABidMustBeatTheHighestAndBeCoveredByCash)
{
    state.Players[2].Money = 120;
    screen.bids = {100, 100, 130, 0};
    landOn(0, 39);
    // Cy's 100 does not beat Bob's 100: Cy is out. Ann's 130 beats it; Bob passes.
    EXPECT_TRUE(state.holds(0, 39));
    EXPECT_EQ(money(0), 1370);
}

TEST_F(Auctions, NobodyBidsAndTheSquareStaysUnsold)
{
    landOn(0, 39);
    EXPECT_EQ(screen.bidsAsked.size(), 3u);
    EXPECT_FALSE(state.Properties[39].Owned);
    EXPECT_EQ(log.lines.back(), "Mayfair is not sold at Auction");
    EXPECT_EQ(screen.status, "Mayfair is not sold at Auction");
}

TEST_F(Auctions, ComputersBidToTheirOwnValuationAndNeverHangTheAuction)
{
    for (int p : {1, 2}) {
        state.Players[p].PlayerType = Computer;
        engine.setController(p, std::make_unique<FullRulesComputer>());
    }
    give(1, 37);   // Mayfair completes Bob's dark blue group
    landOn(0, 39);
    EXPECT_TRUE(state.holds(1, 39));
    // Bob paid no more than completing the group is worth to him.
    const auto won = std::find_if(log.lines.begin(), log.lines.end(), [](const std::string &l) {
        return l.rfind("Bob (" + P + "1500) Wins the Auction for Mayfair at " + P, 0) == 0;
    });
    ASSERT_NE(won, log.lines.end());
    const int price = std::stoi(won->substr(won->rfind(" at ") + 6));
    EXPECT_GT(price, 0);
    EXPECT_LE(price, 800);
    EXPECT_FALSE(screen.auctionShown);
}

TEST_F(Auctions, AComputerThatWouldBuyAtThePriceBidsItsWorthAtOnce)
{
    for (int p : {0, 1, 2}) {
        state.Players[p].PlayerType = Computer;
        engine.setController(p, std::make_unique<FullRulesComputer>());
    }
    // Ann and Cy are short of cash; Bob would buy Euston Road at its price.
    state.Players[0].Money = 45;
    state.Players[2].Money = 40;
    landOn(0, 8);
    EXPECT_TRUE(logged("Bob (" + P + "1500) Wins the Auction for Euston Road at " + P + "100  -->  " + P + "1400"));
}

TEST_F(Auctions, AComputerShortOfCashStillBidsUpToTheMortgageValue)
{
    for (int p : {0, 1, 2}) {
        state.Players[p].PlayerType = Computer;
        engine.setController(p, std::make_unique<FullRulesComputer>());
    }
    // Nobody can buy Piccadilly (280, mortgage value 140) and keep a
    // reserve; Ann, who declines it, has the most cash to bid with.
    state.Players[0].Money = 90;
    state.Players[1].Money = 30;
    state.Players[2].Money = 20;
    landOn(0, 29);
    EXPECT_TRUE(logged("Ann (" + P + "90) Wins the Auction for Piccadilly at " + P + "90  -->  " + P + "0"));
}

TEST_F(Auctions, WhatAComputerWouldPayForASquareItBidsForItToo)
{
    FullRulesComputer computer;
    give(2, 6);    // Cy has begun the light blue group
    give(0, 12);   // Ann holds a utility
    for (const int square : ownableSquares()) {
        if (state.Properties[square].Owned)
            continue;
        for (const int cash : {80, 150, 400, 1500}) {
            SCOPED_TRACE(std::to_string(square) + " with " + std::to_string(cash));
            state.Players[1].Money = cash;
            const int price = squareInfo(square).price;
            bool buys = false;
            computer.decidePurchase(engine, {1, square, price}, [&](bool yes) { buys = yes; });
            Auction auction;
            auction.square = square;
            auction.bidder = 1;
            auction.bidding = {true, true, true};
            int bid = -1;
            computer.bid(engine, auction, [&](int amount) { bid = amount; });
            EXPECT_LE(bid, cash);
            if (buys) {
                EXPECT_GE(bid, price);
            }
        }
    }
}

// Without purchasing on the first round, a player not yet once round the
// board may not buy, at auction either.
class AuctionsBeforeTheFirstRound : public EngineFixture {
protected:
    void SetUp() override
    {
        addPlayer("Ann");
        addPlayer("Bob");
        addPlayer("Cy");
        GameOptions options;
        options.rules = RuleSet::Full;
        options.firstRoundBuying = false;
        useOptions(options);
        engine.startGame();
    }
};

TEST_F(AuctionsBeforeTheFirstRound, OnlyPlayersWhoMayBuyBid)
{
    state.Players[0].BeenRound = true;   // Ann may buy, and declines
    state.Players[2].BeenRound = true;   // so may Cy; Bob has not been round
    screen.bids = {150, 0};
    landOn(0, 39);
    EXPECT_EQ(screen.bidsAsked, (std::vector<std::string>{"2:0", "0:150"}));
    EXPECT_TRUE(state.holds(2, 39));
    EXPECT_TRUE(logged("Cy (" + P + "1500) Wins the Auction for Mayfair at " + P + "150  -->  " + P + "1350"));
}

} // namespace
} // namespace tycora::testing
