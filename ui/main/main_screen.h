#pragma once

// What the turn engine sees of the main window, and the presentation
// procedures that draw the game on it: dice, pieces, owner bars, mini
// deeds, player panels, the current player, the status line and the cards.

#include "game/screen.h"

#include <QString>

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class FrmMain;

// The average payment per landing, rounded half to even; 0 unless the total
// is greater than the number of landings.
int averagePayment(int totalRent, int landed);

class MainScreen final : public Screen {
public:
    explicit MainScreen(FrmMain &form);

    // Screen
    void showStatus(const std::string &text) override;
    void hideStatus() override;
    void showDie(int die, int value) override;
    void showDiceRoll(const std::string &text) override;
    void refreshMoney() override;
    void showCurrentPlayer() override;
    void drawPiece(int square, int player) override;
    void clearSquare(int square) override;
    void markOwner(int player, int square) override;
    void showOwnedMini(int player, int square) override;
    void showHouse(int square, int house) override;
    void clearHouse(int square, int house) override;
    void showHotel(int square) override;
    void showCard(Deck deck, int pictureNumber) override;
    void hideCard() override;
    void showPropertyCard(int square) override;
    void setPropertyCardVisible(bool visible) override;
    void setRollEnabled(bool enabled) override;
    void enableBuild() override;
    bool askYesNo(const std::string &question) override;
    void tell(const std::string &message) override;

    // The player panels.
    void loadOwnedMini(int square);
    void colourPlayerPanel(int player);
    void showPlayerPiece(int player);
    void showPlayerType(int player);
    void setupPlayerPanels();
    void layoutPlayerPanels();

    // The statistics card and the title strips.
    void showStatsCard(int square);
    void setPropertyCardColour(long group);
    void setStatsCardColour(long group);

private:
    enum class DeedLayout { Street, Station, Utility };
    void setDeedLayout(DeedLayout layout);
    void showStationCard(int square);
    void showUtilityCard(int square);

    FrmMain &form_;
    GameState &state_;
};

} // namespace tycora::ui
