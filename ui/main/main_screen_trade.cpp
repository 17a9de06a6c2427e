// The main window's side of trading: a person at this screen answers an
// offer in a window addressed to them.

#include "game/engine.h"
#include "game/game_state.h"
#include "game/trading.h"
#include "ui/main/main_screen.h"
#include "ui/main/trade_question.h"

namespace tycora::ui {

void MainScreen::askTrade(const TradeOffer &offer, std::function<void(TradeReply)> answer)
{
    const auto player = [](int p) { return p >= 0 && p < MaxPlayers; };
    if (!player(offer.from) || !player(offer.to)) {
        answer(TradeReply::reject());
        return;
    }
    if (!tradeQuestion_)
        tradeQuestion_ = new TradeQuestion(state_, &window_);
    // A counter goes back to the proposer with items they could trade.
    const GameState &state = state_;
    tradeQuestion_->ask(offer, [&state](const TradeOffer &counter) { return tradeItemsProblem(state, counter); },
                        std::move(answer));
}

} // namespace tycora::ui
