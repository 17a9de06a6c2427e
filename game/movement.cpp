// Piece movement: one square per tick, the GO salary, and the end of a move.

#include "game/engine.h"

#include "game/board.h"
#include "game/figures.h"
#include "game/rules.h"
#include "game/text.h"

namespace tycora {

void Engine::movePiece(int index)
{
    Player &p = player(index);
    if (p.Square != p.TargetSquare) {
        const bool firstStep = p.Square < 0;
        stepPiece(index);
        screen_.drawPiece(p.Square, index);
        screen_.clearSquare(vacatedSquare(index));
        redrawVacatedSquare(index);
        // Stepping onto GO earns the salary on a throw or a card move, but
        // not on the piece's very first step onto the board, nor on the way
        // to jail.
        if (p.Square == squares::Go && !firstStep && (walk_ == Walk::Throw || walk_ == Walk::Card))
            p.PassedGo = true;
        return;
    }

    tmrMovePiece.setEnabled(false);
    state_.MoveFlag = false;
    if (p.PassedGo)
        collectGoSalary(index);
    addSaturating(state_.SquareStats[p.Square].Landed, 1);
    if (onArrival_)
        onArrival_(index, p.Square);
    resolveLanding(index, p.Square);
    if (state_.MoveFlag) {
        tmrMovePiece.setEnabled(true);
        return;
    }
    endOfMove(index);
}

void Engine::endOfMove(int index)
{
    Player &p = player(index);
    if (p.DoublesCount == 0) {
        nextPlayer();
    } else if (p.DoublesCount >= 3) {
        const std::string text = p.Name + " Rolled 3 Doubles and goes to Jail";
        screen_.showStatus(text);
        log(text);
        p.DoublesCount = 0;
        nextPlayer();
    } else {
        const std::string text = p.Name + " Rolled a Double and gets Another Throw";
        screen_.showStatus(text);
        log(text);
    }

    const int current = state_.CurrentPlayer;
    if (player(current).PlayerType == Computer) {
        if (ownsAnyColourGroup(state_, current))
            computerBuild(current);
        computerTurn(current);
    } else {
        screen_.setRollEnabled(true);
    }
}

void Engine::stepPiece(int index)
{
    Player &p = player(index);
    if (walk_ == Walk::Back)
        p.Square = static_cast<Integer>(p.Square <= 0 ? SquareCount - 1 : p.Square - 1);
    else
        p.Square = static_cast<Integer>(p.Square >= SquareCount - 1 ? 0 : p.Square + 1);
}

int Engine::vacatedSquare(int index) const
{
    const int s = state_.Players[index].Square;
    if (walk_ == Walk::Back)
        return s == SquareCount - 1 ? 0 : s + 1;
    return s == 0 ? SquareCount - 1 : s - 1;
}

void Engine::redrawVacatedSquare(int index)
{
    const int vacated = vacatedSquare(index);
    for (int i = 0; i < state_.PlayerCount; ++i) {
        if (state_.Players[i].Square == vacated)
            screen_.drawPiece(vacated, i);
    }
}

void Engine::collectGoSalary(int index)
{
    Player &p = player(index);
    const bool doubleSalary = doubleSalary_ && doubleSalary_() && p.Square == squares::Go;
    const int salary = doubleSalary ? 400 : 200;
    if (logging())
        log(nameAndBalance(p.Name, p.Money) + " Passed GO:  " + pounds(salary) + "  -->  " +
            pounds(saturate(p.Money + salary)));
    changeBalance(index, salary);
    p.PassedGo = false;
    screen_.refreshMoney();
}

} // namespace tycora
