#pragma once

// A trade offered to a person at this screen: a window addressed to them
// by name ("Ben, Ann offers you a trade") shows the offer, read-only, with
// Accept, Reject and Counter. Counter opens the trade window with the offer
// filled in and the roles reversed; sending it answers the offer with the
// counter, cancelling it comes back here. For each mortgaged deed the
// person would receive, a tick lifts its mortgage at once instead of paying
// the interest. The answer is given once.

#include "game/trade_offer.h"

#include <QDialog>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class CommandButton;
class TradeWindow;

class TradeQuestion final : public QDialog {
    Q_OBJECT
public:
    TradeQuestion(const GameState &state, QWidget *owner);

    // `counterProblem` says why a counter may not be sent.
    void ask(const TradeOffer &offer, std::function<std::string(const TradeOffer &)> counterProblem,
             std::function<void(TradeReply)> answer);
    bool asking() const { return bool(answer_); }

    // Closing the window rejects the offer.
    void reject() override;

private:
    TradeWindow &counterWindow();
    void giveAnswer(const TradeReply &reply);
    void counter();

    const GameState &state_;
    TradeOffer offer_;
    std::function<std::string(const TradeOffer &)> counterProblem_;
    std::function<void(TradeReply)> answer_;
    QLabel *lblHeading_ = nullptr;
    QLabel *lblDetails_ = nullptr;
    QVBoxLayout *liftList_ = nullptr;
    std::vector<std::pair<int, QCheckBox *>> lifts_;
    CommandButton *cmdAccept_ = nullptr;
    CommandButton *cmdReject_ = nullptr;
    CommandButton *cmdCounter_ = nullptr;
    TradeWindow *counterWindow_ = nullptr;
};

} // namespace tycora::ui
