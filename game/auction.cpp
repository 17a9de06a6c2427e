// Auctions (Full rules): a square its lander does not buy is offered to
// every player still in the game who may buy, in turn order from the
// lander's left: winning an auction is buying.
// Each bid beats the last by a pound or more and is covered by the bidder's
// cash; a player who passes is out; the last bidder standing buys.

#include "game/engine.h"

#include "game/text.h"
#include "game/user_text.h"

#include <algorithm>

namespace tycora {

void Engine::startAuction(int square, Step then)
{
    Auction auction;
    auction.square = square;
    auction.bidding.assign(state_.PlayerCount, false);
    for (int i = 0; i < state_.PlayerCount; ++i)
        auction.bidding[i] = !player(i).Bankrupt && mayBuy(i);
    auction.bidder = (state_.CurrentPlayer + 1) % state_.PlayerCount;
    auction_ = auction;
    afterAuction_ = std::move(then);
    phase_ = Phase::Auction;
    refreshActions();
    screen_.showAuction(&*auction_);
    askNextBidder();
}

void Engine::askNextBidder()
{
    // Computers answer at once: their answers come back here while this
    // loop runs, and are taken up by it instead of nesting ever deeper.
    if (askingBids_) {
        bidAnsweredMeanwhile_ = true;
        return;
    }
    askingBids_ = true;
    do {
        bidAnsweredMeanwhile_ = false;
        if (!auction_)
            break;
        Auction &a = *auction_;
        const int stillIn = static_cast<int>(std::count(a.bidding.begin(), a.bidding.end(), true));
        const bool onlyTheHighestLeft = a.highestBidder >= 0 && stillIn == 1 && a.bidding[a.highestBidder];
        if (stillIn == 0 || onlyTheHighestLeft) {
            askingBids_ = false;
            endAuction();
            return;
        }
        // The next bidder still in who does not already hold the highest bid.
        while (!a.bidding[a.bidder] || a.bidder == a.highestBidder)
            a.bidder = (a.bidder + 1) % state_.PlayerCount;
        const int bidder = a.bidder;
        screen_.showAuction(&a);
        controller(bidder).bid(*this, a, once<int>([this, bidder](int amount) { bidAnswered(bidder, amount); }));
    } while (bidAnsweredMeanwhile_);
    askingBids_ = false;
}

void Engine::bidAnswered(int bidder, int amount)
{
    if (!auction_)
        return;
    noteDecision(Decision::Kind::Bid, bidder, amount);
    Auction &a = *auction_;
    if (amount > a.highestBid && amount <= player(bidder).Money) {
        a.highestBid = amount;
        a.highestBidder = bidder;
    } else {
        a.bidding[bidder] = false;   // a pass, or a bid the rules refuse
    }
    a.bidder = (bidder + 1) % state_.PlayerCount;
    askNextBidder();
}

void Engine::endAuction()
{
    const Auction a = *auction_;
    auction_.reset();
    screen_.showAuction(nullptr);
    const std::string name = deedName(a.square);
    if (a.highestBidder < 0) {
        log(name + " is not sold at Auction");
        screen_.showStatus(userText("Engine", "%1 is not sold at Auction").arg(name));
    } else {
        const Player &p = player(a.highestBidder);
        const Cash before = p.Money;
        takeDeed(a.highestBidder, a.square, a.highestBid);
        log(nameAndBalance(p.Name, before) + " Wins the Auction for " + name + " at " + pounds(a.highestBid) +
            "  -->  " + pounds(p.Money));
        showDeedTaken(a.square,
                      userText("Engine", "%1 Wins the Auction for %2 at %3").arg(p.Name, name, pounds(a.highestBid)));
    }
    phase_ = Phase::Moving;
    Step then = std::move(afterAuction_);
    afterAuction_ = nullptr;
    if (then)
        then();
}

} // namespace tycora
