#pragma once

// What the turn engine shows and asks. The main window implements it in the
// program; a silent implementation serves the headless simulation; tests
// record the calls. Squares are 0..39, players 0..3.

#include <string>

namespace tycora {

enum class Deck { Chance, CommunityChest };

class Screen {
public:
    virtual ~Screen() = default;

    // True for a screen nobody looks at: the engine then skips building
    // texts for it on its busiest paths (the rent countdown, the dice).
    virtual bool showsNothing() const { return false; }

    // Status line, dice and the figures around the board.
    virtual void showStatus(const std::string &text) = 0;
    virtual void hideStatus() = 0;
    virtual void showDie(int die, int value) = 0;
    virtual void showDiceRoll(const std::string &text) = 0;
    virtual void refreshMoney() = 0;
    virtual void showCurrentPlayer() = 0;

    // Pieces: the square shows the piece of the player, or nothing.
    virtual void drawPiece(int square, int player) = 0;
    virtual void clearSquare(int square) = 0;

    // Ownership and buildings.
    virtual void markOwner(int player, int square) = 0;
    virtual void showOwnedMini(int player, int square) = 0;
    virtual void showHouse(int square, int house) = 0;   // house 1..4
    virtual void clearHouse(int square, int house) = 0;
    virtual void showHotel(int square) = 0;

    // The drawn card and the title deed.
    virtual void showCard(Deck deck, int pictureNumber) = 0;   // picture 1..14
    virtual void hideCard() = 0;
    virtual void showPropertyCard(int square) = 0;             // fills the deed card
    virtual void setPropertyCardVisible(bool visible) = 0;

    // Buttons.
    virtual void setRollEnabled(bool enabled) = 0;
    virtual void enableBuild() = 0;

    // Modal questions and messages, titled with the game's name.
    virtual bool askYesNo(const std::string &question) = 0;
    virtual void tell(const std::string &message) = 0;
};

} // namespace tycora
