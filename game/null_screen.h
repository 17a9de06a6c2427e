#pragma once

// A screen nobody looks at: the headless simulation plays on it.

#include "game/screen.h"

namespace tycora {

class NullScreen final : public Screen {
public:
    bool showsNothing() const override { return true; }
    void showStatus(const std::string &) override {}
    void hideStatus() override {}
    void showDie(int, int) override {}
    void showDiceRoll(const std::string &) override {}
    void refreshMoney() override {}
    void showCurrentPlayer() override {}
    void pieceMoved(int, int) override {}
    void squareChanged(int) override {}
    void drawWhole(const GameOptions &) override {}
    void showCard(Deck, int) override {}
    void hideCard() override {}
    void showPropertyCard(int) override {}
    void setPropertyCardVisible(bool) override {}
    void setRollEnabled(bool) override {}
    void enableBuild() override {}
    void ask(const std::string &, std::function<void(bool)> answer) override { answer(false); }
    void tell(const std::string &) override {}
};

} // namespace tycora
