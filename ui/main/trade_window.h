#pragma once

// The trade window: the proposer chooses the other player, ticks what each
// side gives in the two columns "You give" and "You get" (deeds as mini
// deeds, cash, Get Out of Jail Free cards) and sends the offer; a summary
// line reads it out ("Ann gives Park Lane and £120; Ben gives Mayfair").
// Send (Enter) sends it when it may be sent, and says why not otherwise;
// Clear unticks everything; Cancel (Escape) closes the window unsent.
//
// It opens window-modal, centred over the board, and never waits in a loop
// of its own: what it sends goes to the `send` it was opened with.

#include "game/trade_offer.h"

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLabel;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class CommandButton;
class TradeItems;

class TradeWindow final : public QDialog {
    Q_OBJECT
public:
    TradeWindow(const GameState &state, QWidget *owner);

    struct Handlers {
        std::function<std::string(const TradeOffer &)> problem;   // why it may not be sent; empty when it may
        std::function<void(const TradeOffer &)> send;
        std::function<void()> cancelled;                           // may be empty
    };
    // A new offer by `proposer` to any other player still in the game.
    void propose(int proposer, Handlers handlers);
    // The offer filled in; `fixedReceiver` keeps the other player as it is
    // (a counter goes back to whoever made the offer).
    void fill(const TradeOffer &offer, bool fixedReceiver);

    TradeOffer offer() const;

    void reject() override;

private:
    void receiverChosen();
    void update();
    void sendOffer();

    const GameState &state_;
    int proposer_ = -1;
    Handlers handlers_;
    QLabel *lblHeading_ = nullptr;
    QComboBox *cboReceiver_ = nullptr;
    QLabel *lblGet_ = nullptr;
    TradeItems *give_ = nullptr;
    TradeItems *get_ = nullptr;
    QLabel *lblSummary_ = nullptr;
    QLabel *lblHint_ = nullptr;
    CommandButton *cmdSend_ = nullptr;
    CommandButton *cmdClear_ = nullptr;
    CommandButton *cmdCancel_ = nullptr;
};

} // namespace tycora::ui
