#pragma once

// The screen of a game played over the network: everything the engine shows
// becomes an event for every player's window, and each question waits for
// the one player it is put to. The engine neither knows nor asks that its
// players are far away.

#include "game/game_state.h"
#include "game/screen.h"

#include <QJsonObject>

#include <functional>

namespace tycora::net {

class NetScreen final : public Screen {
public:
    using EventSink = std::function<void(QJsonObject)>;
    explicit NetScreen(const GameState &state, EventSink sink) : state_(state), sink_(std::move(sink)) {}

    // What the player of this seat may answer now.
    enum class Question { None, YesNo, Jail, Bid, Trade };
    Question questionFor(int seat) const { return asked_ == seat ? question_ : Question::None; }
    bool mayThrow(int seat) const { return rollEnabled_ && seat == state_.CurrentPlayer; }

    // The answers; false when the seat was not asked that.
    bool answerYesNo(int seat, bool yes);
    bool answerJail(int seat, JailChoice choice);
    bool answerBid(int seat, int amount);
    bool answerTrade(int seat, const TradeReply &reply);
    // The throw is taken: Roll Dice is no longer offered.
    void takeThrow() { rollEnabled_ = false; }
    // A question put to the seat, answered as one who says no.
    void answerForAbsent(int seat);

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
    void showPlayerState(int player) override;
    void showRaising(int player, int owed) override;
    void askJail(int player, bool hasCard, std::function<void(JailChoice)> answer) override;
    void showAuction(const Auction *auction) override;
    void askBid(const Auction &auction, std::function<void(int)> answer) override;
    void showWinner(int player) override;
    void showActions(const AvailableActions &actions) override;
    void askTrade(const TradeOffer &offer, std::function<void(TradeReply)> answer) override;

private:
    void event(const char *call, QJsonObject fields = {});
    void putQuestion(int seat, Question question);

    const GameState &state_;
    EventSink sink_;
    bool rollEnabled_ = false;
    int asked_ = -1;
    Question question_ = Question::None;
    std::function<void(bool)> yesNo_;
    std::function<void(JailChoice)> jail_;
    std::function<void(int)> bid_;
    std::function<void(TradeReply)> trade_;
};

} // namespace tycora::net
