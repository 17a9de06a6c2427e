#pragma once

// A person at the screen: every question goes to the window, which answers
// when the person has chosen; free actions (building, mortgaging, the
// throw itself) come from the window's buttons as engine commands.

#include "game/player_controller.h"

namespace tycora {

class Screen;

class HumanController final : public PlayerController {
public:
    explicit HumanController(Screen &screen) : screen_(screen) {}

    void firstTurn(Engine &engine, int player) override;
    void turnToThrow(Engine &engine, int player) override;
    void decidePurchase(Engine &engine, const PurchaseOffer &offer, Answer<bool> answer) override;
    void raiseMoney(Engine &engine, int player, int owed) override;
    void decideJail(Engine &engine, int player, Answer<JailChoice> answer) override;
    void payOrUseCard(Engine &engine, int player, Answer<JailChoice> answer) override;
    void bid(Engine &engine, const Auction &auction, Answer<int> answer) override;
    void answerTrade(Engine &engine, const TradeOffer &offer, Answer<TradeReply> answer) override;
    bool takesDeedActionsFromWindow(int) const override { return true; }
    bool logsBalanceBeforePurchase(int) const override { return true; }

private:
    Screen &screen_;
};

} // namespace tycora
