#pragma once

// What the turn engine sees of the main window, and the presentation
// procedures that draw the game on its views: dice, pieces, owner bars,
// mini deeds, player panels, the current player, the status line and the
// cards. The board and the panels are drawn from the game's state when the
// engine says what changed; it reads the game and changes nothing in it.

#include "game/game_options.h"
#include "game/pace.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "game/timer.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tycora {
class Engine;
}

namespace tycora::ui {

class AuctionWindow;
class JailQuestion;
class TradeQuestion;
class MessageBoxes;
class PaymentCountdown;
class PlayerPanel;
class WinnerWindow;
struct MainViews;

class MainScreen final : public Screen {
public:
    // Message boxes open over the window.
    MainScreen(const GameState &state, MainViews &views, MessageBoxes &boxes, QWidget &window);
    ~MainScreen() override;
    // The game in play, read for what a debt is for, its rules and pace;
    // the money animation runs on its clock.
    void setEngine(const Engine *engine);
    // A game played elsewhere, with no engine here: the money counts down
    // on this clock at the game's pace.
    void setRemoteGame(Clock &clock, Pace pace);
    // The pace such a game was set to since.
    void setRemotePace(Pace pace) { remotePace_ = pace; }
    // The money animation's timer; none without a game.
    const Timer *tmrMoneyDown() const;

    // Screen
    void showStatus(const std::string &text) override;
    void hideStatus() override;
    void showDie(int die, int value) override;
    void showDiceRoll(const std::string &text) override;
    void refreshMoney() override;
    void showCurrentPlayer() override;
    void pieceMoved(int player, int from) override;
    void squareChanged(int square) override;
    void drawWhole(const GameOptions &options) override;
    void showCard(Deck deck, int pictureNumber) override;
    void hideCard() override;
    void showPropertyCard(int square) override;
    void setPropertyCardVisible(bool visible) override;
    void setRollEnabled(bool enabled) override;
    void enableBuild() override;
    void ask(const std::string &question, std::function<void(bool)> answer) override;
    void tell(const std::string &message) override;
    void showFreeParking(int pot) override;
    void showPayment(int payer, int payee, int amount) override;
    void stopAnimations() override;

    // What the Full rules add (main_screen_full_rules.cpp).
    void showPlayerState(int player) override;
    void showActions(const AvailableActions &actions) override;
    void showRaising(int player, int owed) override;
    void showWinner(int player) override;
    // The window that shows the end of the game.
    void setWinnerWindow(WinnerWindow *window) { winnerWindow_ = window; }

    // Jail, auctions and the card faces (main_screen_jail_auction.cpp): a
    // person's questions open window-modal dialogs that answer when the
    // person chooses; the faces follow the rule set of the game in play.
    void askJail(int player, bool hasCard, std::function<void(JailChoice)> answer) override;
    void showAuction(const Auction *auction) override;
    void askBid(const Auction &auction, std::function<void(int)> answer) override;
    void setRules(RuleSet rules) { rules_ = rules; }
    // A trade offered to a person (main_screen_trade.cpp): a window
    // addressed to them, answered when they choose.
    void askTrade(const TradeOffer &offer, std::function<void(TradeReply)> answer) override;

    // The player panels: each player's name, colours, piece and type; then
    // as many panels as players.
    void setupPlayerPanels();
    void layoutPlayerPanels();

    // Fills the statistics card of a square.
    void showStatsCard(int square);

    // Says the pace chosen during play, until the next throw.
    void showPace(Pace pace);

    // Told whenever the game itself shows or hides the deed card, so that a
    // card the player pinned can give way to it or come back after it.
    void onGameDeedCard(std::function<void(bool visible)> told) { gameDeedCard_ = std::move(told); }

private:
    PlayerPanel *panel(int player) const;
    // The deed's mini picture in its holder's panel, marked when mortgaged.
    void showMini(int player, int square, bool mortgaged);
    // What the person raising money still lacks.
    void showShortfall();
    // A step of the money animation: "X owes Y £n", down to £0.
    void showDebt(int payer, int payee, int amount);
    // The line of a countdown where the game goes on meanwhile (Full rules,
    // quicker paces).
    void showCountdown(const std::string &text, int amount);
    // Draws the pieces the state puts on the square, in the order they came.
    void showPiecesOn(int square);

    const GameState &state_;
    const Engine *engine_ = nullptr;
    MainViews &views_;
    MessageBoxes &boxes_;
    QWidget &window_;
    WinnerWindow *winnerWindow_ = nullptr;
    std::function<void(bool)> gameDeedCard_;
    int raisingPlayer_ = -1;   // a person raising money, and what they owe
    int raisingOwed_ = 0;
    std::string raisingFor_;   // whom and what for
    // Counts what the status line has been told, so that a countdown knows
    // whether its line is still the newest.
    int statusesSaid_ = 0;
    int countdownSaid_ = -1;   // statusesSaid_ at the countdown's last line; -1: none running
    int countdownLast_ = 0;    // the amount it last showed
    std::unique_ptr<PaymentCountdown> payments_;

    RuleSet rules_ = RuleSet::Classic;
    Pace remotePace_ = Pace::Classic;   // a game played elsewhere
    // Made on first use; the window owns them.
    JailQuestion *jailQuestion_ = nullptr;
    AuctionWindow *auctionWindow_ = nullptr;
    TradeQuestion *tradeQuestion_ = nullptr;
};

} // namespace tycora::ui
