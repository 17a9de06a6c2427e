#pragma once

// What the turn engine shows and asks. The main window implements it in the
// program; a silent implementation serves the headless simulation; tests
// record the calls. Squares are 0..39, players 0..3.

#include "game/card_table.h"
#include "game/game_options.h"
#include "game/player_controller.h"

#include <functional>
#include <string>

namespace tycora {

// The actions open to the person whose turn it is (Full rules).
struct AvailableActions {
    bool build = false;
    bool sell = false;
    bool mortgage = false;
    bool unmortgage = false;
    bool declareBankruptcy = false;
    bool operator==(const AvailableActions &) const = default;
};

class Screen {
public:
    virtual ~Screen() = default;

    // True for a screen nobody looks at: the engine then skips building
    // texts for it on its busiest paths (the rent countdown, the dice).
    virtual bool showsNothing() const { return false; }

    // Status line and dice.
    virtual void showStatus(const std::string &text) = 0;
    virtual void hideStatus() = 0;
    virtual void showDie(int die, int value) = 0;
    virtual void showDiceRoll(const std::string &text) = 0;

    // The board and the panels draw what they show from the game's state;
    // the engine says what has changed there.
    // Every balance.
    virtual void refreshMoney() = 0;
    // Whose turn it is.
    virtual void showCurrentPlayer() = 0;
    // A player's piece has left a square (-1: it was off the board) for
    // where the state now puts it; the pieces left behind may stand in a
    // new order.
    virtual void pieceMoved(int player, int from) = 0;
    // The owner, the buildings or the mortgage of a square changed: its
    // owner bar, buildings and mortgage mark and the owners' mini deeds.
    virtual void squareChanged(int square) = 0;
    // The whole game at once, as a game loaded or joined needs: every
    // square, piece and panel, and the Free Parking pot when the game has one.
    virtual void drawWhole(const GameOptions &options) = 0;

    // The drawn card and the title deed.
    virtual void showCard(Deck deck, int pictureNumber) = 0;   // picture 1..14
    virtual void hideCard() = 0;
    virtual void showPropertyCard(int square) = 0;             // fills the deed card
    virtual void setPropertyCardVisible(bool visible) = 0;

    // Buttons.
    virtual void setRollEnabled(bool enabled) = 0;
    virtual void enableBuild() = 0;

    // A Yes/No question, titled with the game's name. The answer may come
    // at once or later; the game waits for it.
    virtual void ask(const std::string &question, std::function<void(bool)> answer) = 0;
    // A message the player acknowledges.
    virtual void tell(const std::string &message) = 0;

    // ---- what the options and the Full rules add -------------------------

    virtual void showFreeParking(int /*pot*/) {}
    // A payment of `amount` from one player to another has been made (a
    // rent): the screen may show it counting down at the game's pace.
    virtual void showPayment(int /*payer*/, int /*payee*/, int /*amount*/) {}
    // The game has stopped: nothing on the screen may move any more.
    virtual void stopAnimations() {}
    // Bankrupt, in jail, cards held: what the player's panel says.
    virtual void showPlayerState(int /*player*/) {}
    virtual void showActions(const AvailableActions & /*actions*/) {}
    // A player owes more than their cash and is raising money (owed 0: done).
    virtual void showRaising(int /*player*/, int /*owed*/) {}
    virtual void askJail(int /*player*/, bool /*hasCard*/, std::function<void(JailChoice)> answer)
    {
        answer(JailChoice::Throw);
    }
    // The auction in progress (nullptr: it is over); a person's turn to bid.
    virtual void showAuction(const Auction * /*auction*/) {}
    virtual void askBid(const Auction & /*auction*/, std::function<void(int)> answer) { answer(0); }
    virtual void showWinner(int /*player*/) {}
    // A person is offered a trade: accept, reject or counter. A screen
    // with nobody to ask rejects.
    virtual void askTrade(const TradeOffer & /*offer*/, std::function<void(TradeReply)> answer)
    {
        answer(TradeReply::reject());
    }
};

} // namespace tycora
