#pragma once

// The turn engine: the rules of play, from the throw of the dice to the end
// of a turn. It changes the game state, shows what happens on the Screen,
// writes event lines to the EventLog, and moves on only when one of its
// three timers ticks.

#include "game/dice.h"
#include "game/event_log.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "game/timer.h"

#include <functional>
#include <string>

namespace tycora {

class Engine {
public:
    Engine(GameState &state, Screen &screen, Clock &clock, EventLog &log, DiceSource &dice);

    // The piece walks one square per tick of tmrMovePiece; tmrMoneyDown
    // counts a rent down in the status line; tmrPause is a computer's pause.
    Timer tmrMovePiece;
    Timer tmrMoneyDown;
    Timer tmrPause;

    // Whether landing on GO pays double (the options window's flag).
    void setDoubleSalary(std::function<bool()> booDoubleSalary) { doubleSalary_ = std::move(booDoubleSalary); }

    // Dice and turn control.
    void startGame();
    void startTurn(int player);
    void rollDice(int player);
    void advanceTarget(int player, int squares);
    void goToJail(int player);
    void nextPlayer();
    void computerTurn(int player);

    // Movement.
    void movePiece(int player);
    void stepPiece(int player);
    void redrawVacatedSquare(int player);
    void collectGoSalary(int player);

    // Landing, rent, taxes and the rent countdown.
    void resolveLanding(int player, int square);
    void payRent(int payer, int owner, int square);
    void payTax(int player, int amount);
    void showDebt(int payer, int payee, int amount);

    // Buying.
    void buyProperty(int player, int square);
    void offerPurchase(int player, int square);
    void computerPurchase(int player, int square);

    // Chance and Community Chest.
    void drawChance(int player);
    void drawCommunityChest(int player);
    void setTargetSquare(int player, int square);

    // Building.
    void buildOnSquare(int square, int player);
    void computerBuild(int player);
    void updateBuildButton(int player);

    // Mortgaging: only the mortgage value can be looked at.
    void showMortgageValue(int square);

    // The timers' tick handlers.
    void tmrMovePiece_Timer();
    void tmrMoneyDown_Timer();
    void tmrPause_Timer();

    // At game end nothing may move or throw any more.
    void stopTimers();

    // What happened so far, for the simulation and for tests.
    long long throws() const { return throws_; }
    long long handOvers() const { return handOvers_; }

    // Called at every arrival, after the landing count and before the
    // landing is resolved; and at every change of a player's money.
    void setArrivalObserver(std::function<void(int player, int square)> observer) { onArrival_ = std::move(observer); }
    void setMoneyObserver(std::function<void(int player, int delta)> observer) { onMoney_ = std::move(observer); }
    // Called when a computer's pause begins (true) and ends (false).
    void setPauseObserver(std::function<void(bool pausing)> observer) { onPause_ = std::move(observer); }

private:
    // How the moving piece walks: the salary on GO is due on throws and
    // card moves only, and one card walks backwards.
    enum class Walk { Throw, Card, Jail, Back };

    Player &player(int index) { return state_.Players[index]; }
    Property &deed(int square) { return state_.Properties[square]; }
    void log(const std::string &message);
    bool logging() const { return log_.isOn(); }
    void changeBalance(int player, int delta);
    void moveTo(int player, int square, Walk walk);
    void endOfMove(int player);
    int vacatedSquare(int player) const;   // the square the last step left
    void applyChance(int player, const std::string &cardId);
    void applyCommunityChest(int player, const std::string &cardId);
    void cardPayment(int player, const std::string &cardId, int amount);

    GameState &state_;
    Screen &screen_;
    EventLog &log_;
    DiceSource &dice_;
    std::function<bool()> doubleSalary_;
    std::function<void(int, int)> onArrival_;
    std::function<void(int, int)> onMoney_;
    std::function<void(bool)> onPause_;

    Walk walk_ = Walk::Throw;
    int pausedPlayer_ = -1;   // the computer whose pause is running
    long long throws_ = 0;
    long long handOvers_ = 0;
};

} // namespace tycora
