#pragma once

// The auction of a square its lander did not buy: the square's title deed,
// the highest bid and its bidder, each player's place in the auction (to
// bid, still bidding, passed, out of the game), and for a person whose turn
// it is an amount to bid, set by quick steps or typed, with Bid and Pass.
//
// The window follows every bidder's turn, computers' included. It opens,
// window-modal over the board, when a person is first asked to bid (an
// auction among computers alone, answered at once, never flashes it on
// the screen) and stays open until the auction ends. It never waits in a
// loop of its own: the engine waits for a person's answer, which comes
// once, when they press Bid or Pass. A bid below the lowest that beats the
// highest, or above the bidder's cash, cannot be made. Closing the window
// on a person's turn passes.

#include "game/player_controller.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLabel;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class CommandButton;
class Label;
class Shape;
class TextBox;

class AuctionWindow final : public QDialog {
    Q_OBJECT
public:
    AuctionWindow(const GameState &state, QWidget *window);

    // The auction as it stands, before each bidder's turn.
    void showAuction(const Auction &auction);
    // The auction is over: the window closes, nobody is asked any more.
    void endAuction();
    // The person auction.bidder is to bid (the window opens if it is not
    // open yet): answered once, with an amount above the highest bid
    // within their cash, or 0 to pass.
    void askBid(const Auction &auction, std::function<void(int)> answer);
    bool asking() const { return bool(answer_); }

    void reject() override;

    // The quick steps a person can raise the amount by.
    static constexpr std::array<int, 3> Steps{1, 10, 50};

private:
    void showSquare(int square);
    void showBidders(const Auction &auction);
    void enableBidding(bool on);
    void showAmount(int amount);
    std::optional<int> typedAmount() const;
    void amountChanged();
    void step(int by);
    void bid();
    void giveAnswer(int amount);

    const GameState &state_;
    int square_ = -1;
    // Each player's last bid in this auction (0: none yet).
    std::array<int, 4> lastBid_{};
    int bidder_ = -1;
    int highestBid_ = 0;
    int cash_ = 0;
    std::function<void(int)> answer_;

    QLabel *imgAuctionDeed_ = nullptr;
    Label *lblAuctionTitle_ = nullptr;
    Label *lblHighestBid_ = nullptr;
    std::array<Shape *, 4> shpBidder_{};
    std::array<Label *, 4> lblBidder_{};
    Label *lblAuctionTurn_ = nullptr;
    Label *lblBidPound_ = nullptr;
    TextBox *txtBid_ = nullptr;
    std::array<CommandButton *, Steps.size()> cmdBidStep_{};
    Label *lblBidHint_ = nullptr;
    CommandButton *cmdBid_ = nullptr;
    CommandButton *cmdPass_ = nullptr;
};

} // namespace tycora::ui
