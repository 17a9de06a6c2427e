// Dice and turn control: the throw, doubles, jail and the hand-over.

#include "game/engine.h"

#include "game/board.h"
#include "game/text.h"

namespace tycora {

void Engine::startGame()
{
    startTurn(0);
    // Pieces stay off the board until their first step puts them on GO.
    for (int i = 0; i < state_.PlayerCount; ++i)
        player(i).Square = -1;
}

void Engine::startTurn(int index)
{
    screen_.drawPiece(squares::Go, index);
    if (player(index).PlayerType != Computer)
        screen_.setRollEnabled(true);
    else
        rollDice(index);
}

void Engine::rollDice(int index)
{
    Player &p = player(index);
    screen_.hideStatus();
    screen_.hideCard();
    screen_.setPropertyCardVisible(false);
    screen_.setRollEnabled(false);

    const int die1 = dice_.throwDie();
    const int die2 = dice_.throwDie();
    ++throws_;

    if (logging()) {
        if (p.DoublesCount > 0)
            log(nameAndBalance(p.Name, p.Money) + " rolled doubles and rolls again");
        log(nameAndBalance(p.Name, p.Money) + " rolls:  " + number(die1) + "," + number(die2));
    }
    screen_.showDie(1, die1);
    screen_.showDie(2, die2);
    state_.DiceTotal = static_cast<Integer>(die1 + die2);
    if (!screen_.showsNothing())
        screen_.showDiceRoll(p.Name + " rolls " + number(die1 + die2));

    if (die1 == die2)
        ++p.DoublesCount;
    else
        p.DoublesCount = 0;

    // A third double in a row is not walked: the piece goes straight to jail.
    if (p.DoublesCount >= 3)
        goToJail(index);
    else {
        advanceTarget(index, die1 + die2);
        walk_ = Walk::Throw;
    }
    tmrMovePiece.setEnabled(true);
}

void Engine::advanceTarget(int index, int squares)
{
    Player &p = player(index);
    int target = p.TargetSquare + squares;
    if (target > SquareCount - 1)
        target -= SquareCount;
    p.TargetSquare = static_cast<Integer>(target);
}

void Engine::goToJail(int index)
{
    player(index).TargetSquare = squares::Jail;
    state_.MoveFlag = true;
    walk_ = Walk::Jail;
    tmrMovePiece.setEnabled(true);
}

void Engine::nextPlayer()
{
    ++state_.CurrentPlayer;
    if (state_.CurrentPlayer > state_.PlayerCount - 1)
        state_.CurrentPlayer = 0;
    ++handOvers_;
    updateBuildButton(state_.CurrentPlayer);
    screen_.showCurrentPlayer();
}

void Engine::computerTurn(int index)
{
    // The throw follows when the pause timer ticks; nothing waits here.
    pausedPlayer_ = index;
    tmrPause.setEnabled(true);
    if (onPause_)
        onPause_(true);
}

} // namespace tycora
