// Dice and turn control: the first turn, the throw, doubles, jail and the
// hand-over of the turn.

#include "game/engine.h"

#include "game/board.h"
#include "game/board_pieces.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

void Engine::startGame()
{
    if (const std::string chosen = optionsLogLine(options_); !chosen.empty())
        log(chosen);
    if (options_.freeParkingPot)
        screen_.showFreeParking(state_.FreeParking);
    phase_ = Phase::ToThrow;
    startTurn(0);
    // Pieces stay off the board until their first step puts them on GO;
    // the first player's waits there from the start.
    for (int i = 0; i < state_.PlayerCount; ++i) {
        player(i).Square = -1;
        player(i).Place = 0;
    }
    noteArrival(state_, 0);
    screen_.pieceMoved(0, -1);
    if (onHandOver_)
        onHandOver_();
}

void Engine::startTurn(int index)
{
    controller(index).firstTurn(*this, index);
    refreshActions();
}

void Engine::rollDice(int index)
{
    // A throw belongs to a player who is to throw (or to a position set up
    // by hand before any game started); a stray click or key during a walk
    // or a question does nothing.
    if (phase_ != Phase::ToThrow && phase_ != Phase::Setup)
        return;
    phase_ = Phase::Moving;
    Player &p = player(index);
    screen_.hideStatus();
    screen_.hideCard();
    screen_.setPropertyCardVisible(false);
    screen_.setRollEnabled(false);
    refreshActions();

    const int die1 = dice_.throwDie();
    const int die2 = dice_.throwDie();
    ++throws_;
    noteDecision(Decision::Kind::Throw, index, die1, die2);

    if (logging()) {
        if (p.DoublesCount > 0)
            log(nameAndBalance(p.Name, p.Money) + " rolled doubles and rolls again");
        log(nameAndBalance(p.Name, p.Money) + " rolls:  " + number(die1) + "," + number(die2));
    }
    screen_.showDie(1, die1);
    screen_.showDie(2, die2);
    state_.DiceTotal = static_cast<Integer>(die1 + die2);
    if (!screen_.showsNothing())
        screen_.showDiceRoll(diceRollText(p.Name, die1 + die2));

    if (p.InJail) {
        throwInJail(index, die1, die2);
        return;
    }
    if (die1 == die2)
        ++p.DoublesCount;
    else
        p.DoublesCount = 0;

    // A third double in a row is not walked: the piece goes straight to jail.
    if (p.DoublesCount >= 3)
        goToJail(index);
    else
        walkThrow(index, die1 + die2);
}

void Engine::walkThrow(int index, int total)
{
    advanceTarget(index, total);
    walk_ = Walk::Throw;
    startTimer(tmrMovePiece_, timings_.stepMs);
}

void Engine::advanceTarget(int index, int squares)
{
    Player &p = player(index);
    int target = p.TargetSquare + squares;
    if (target > BoardSize - 1)
        target -= BoardSize;
    p.TargetSquare = static_cast<Integer>(target);
}

void Engine::goToJail(int index)
{
    Player &p = player(index);
    p.TargetSquare = squares::Jail;
    state_.MoveFlag = true;
    walk_ = Walk::Jail;
    // Said before the long walk, so that nobody wonders where the piece goes.
    screen_.showStatus(userText("Engine", "%1 goes to Jail").arg(p.Name));
    startTimer(tmrMovePiece_, timings_.stepMs);
}

void Engine::nextPlayer()
{
    const int count = state_.PlayerCount;
    for (int tries = 0; tries < MaxPlayers; ++tries) {
        ++state_.CurrentPlayer;
        if (state_.CurrentPlayer > count - 1)
            state_.CurrentPlayer = 0;
        if (!player(state_.CurrentPlayer).Bankrupt)
            break;
    }
    ++handOvers_;
    handOverPending_ = true;
    if (!fullRules())
        updateBuildButton(state_.CurrentPlayer);
    screen_.showCurrentPlayer();
    if (onHandOver_)
        onHandOver_();
}

void Engine::playerToThrow()
{
    if (phase_ == Phase::Over)
        return;
    phase_ = Phase::ToThrow;
    const int current = state_.CurrentPlayer;
    if (player(current).InJail) {
        jailTurn(current);
        return;
    }
    takeTurn(current);
    refreshActions();
    if (handOverPending_ && settled()) {
        handOverPending_ = false;
        if (onSettled_)
            onSettled_();
    }
}

void Engine::computerTurn(int index)
{
    // The throw follows when the pause timer ticks; nothing waits here.
    pausedPlayer_ = index;
    startTimer(tmrPause_, timings_.pauseMs);
    if (onPause_)
        onPause_(true);
}

void Engine::tmrPause_Timer()
{
    tmrPause_.setEnabled(false);
    if (onPause_)
        onPause_(false);
    screen_.showCurrentPlayer();
    // The pause is over: the computer whose turn it is throws.
    const int waiting = pausedPlayer_;
    pausedPlayer_ = -1;
    if (waiting >= 0)
        rollDice(waiting);
}

} // namespace tycora
