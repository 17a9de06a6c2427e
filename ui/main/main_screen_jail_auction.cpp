// The main window's side of jail, auctions and the drawn card's face.

#include "assets/game_pictures.h"
#include "game/game_state.h"
#include "ui/main/auction_window.h"
#include "ui/main/jail_question.h"
#include "ui/main/main_screen.h"
#include "ui/main/main_views.h"
#include "toolkit/game_text.h"

namespace tycora::ui {

namespace {

// An auction the window can draw: a square of the board, players of the game.
bool drawable(const Auction &a)
{
    return a.square >= 0 && a.square < BoardSize && a.bidder >= 0 && a.bidder < MaxPlayers && a.highestBidder >= -1 &&
           a.highestBidder < MaxPlayers;
}

} // namespace

void MainScreen::showCard(Deck deck, int pictureNumber)
{
    // Under Full rules every card acts, and its face says what it does.
    const auto &pictures = art::GamePictures::instance();
    const bool full = rules_ == RuleSet::Full;
    const PictureList &faces = deck == Deck::Chance ? (full ? pictures.imgsChanceFull : pictures.imgsChance)
                                                    : (full ? pictures.imgsCommunityFull : pictures.imgsCommunity);
    views_.card.showFace(faces.picture(pictureNumber));
}

void MainScreen::askJail(int player, bool hasCard, std::function<void(JailChoice)> answer)
{
    if (player < 0 || player >= MaxPlayers) {
        answer(JailChoice::Throw);
        return;
    }
    if (!jailQuestion_)
        jailQuestion_ = new JailQuestion(&window_);
    const Player &p = state_.Players[player];
    jailQuestion_->ask(qtext(p.Name), p.Money, hasCard, p.JailThrows, std::move(answer));
}

void MainScreen::showAuction(const Auction *auction)
{
    if (!auction) {
        if (auctionWindow_)
            auctionWindow_->endAuction();
        return;
    }
    if (!drawable(*auction))
        return;
    if (!auctionWindow_)
        auctionWindow_ = new AuctionWindow(state_, &window_);
    auctionWindow_->showAuction(*auction);
}

void MainScreen::askBid(const Auction &auction, std::function<void(int)> answer)
{
    if (!drawable(auction)) {
        answer(0);
        return;
    }
    if (!auctionWindow_)
        auctionWindow_ = new AuctionWindow(state_, &window_);
    auctionWindow_->askBid(auction, std::move(answer));
}

} // namespace tycora::ui
