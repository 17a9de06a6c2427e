// Piece movement: one square per tick, the GO salary, the arrival and the
// end of a move.

#include "game/engine.h"

#include "game/board.h"
#include "game/board_pieces.h"
#include "game/figures.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

void Engine::tmrMovePiece_Timer() { movePiece(state_.CurrentPlayer); }

void Engine::movePiece(int index)
{
    Player &p = player(index);
    if (p.Square == p.TargetSquare) {
        arrive(index);
        return;
    }
    // At the instant pace the whole walk is one step on the screen.
    do {
        const bool firstStep = p.Square < 0;
        const int shownBefore = pieceSquare(state_, index);
        stepPiece(index);
        if (pieceSquare(state_, index) != shownBefore)
            noteArrival(state_, index);
        const int left = vacatedSquare(index);
        lineUp(state_, left);
        screen_.pieceMoved(index, left);
        if (p.Square == squares::Go && !firstStep && walk_ != Walk::Back) {
            p.BeenRound = true;
            // Stepping onto GO earns the salary on a throw or a card move,
            // but not on the piece's very first step onto the board, nor on
            // the way to jail.
            if (walk_ == Walk::Throw || walk_ == Walk::Card)
                p.PassedGo = true;
        }
    } while (timings_.walkAtOnce && p.Square != p.TargetSquare);
}

void Engine::arrive(int index)
{
    Player &p = player(index);
    tmrMovePiece_.setEnabled(false);
    state_.MoveFlag = false;
    if (p.PassedGo)
        collectGoSalary(index);
    addSaturating(state_.SquareStats[p.Square].Landed, 1);
    if (onArrival_)
        onArrival_(index, p.Square);
    if (walk_ == Walk::Jail && fullRules()) {
        // Sent to jail: held there, and the turn is over.
        p.InJail = true;
        p.JailThrows = 0;
        screen_.showPlayerState(index);
        afterLanding(index);
        return;
    }
    resolveLanding(index, p.Square);
}

void Engine::afterLanding(int index)
{
    if (phase_ == Phase::Over || player(index).Bankrupt)
        return;
    phase_ = Phase::Moving;
    if (state_.MoveFlag) {
        startTimer(tmrMovePiece_, timings_.stepMs);
        return;
    }
    endOfMove(index);
}

void Engine::endOfMove(int index)
{
    Player &p = player(index);
    if (p.DoublesCount >= 3) {
        screen_.showStatus(userText("Engine", "%1 Rolled 3 Doubles and goes to Jail").arg(p.Name));
        log(p.Name + " Rolled 3 Doubles and goes to Jail");
        p.DoublesCount = 0;
        nextPlayer();
    } else if (p.DoublesCount == 0 || p.InJail) {
        p.DoublesCount = 0;
        nextPlayer();
    } else {
        screen_.showStatus(userText("Engine", "%1 Rolled a Double and gets Another Throw").arg(p.Name));
        log(p.Name + " Rolled a Double and gets Another Throw");
    }
    playerToThrow();
}

void Engine::moveTo(int index, int square, Walk walk)
{
    setTargetSquare(index, square);
    state_.MoveFlag = true;
    walk_ = walk;
}

void Engine::setTargetSquare(int index, int square) { player(index).TargetSquare = static_cast<Integer>(square); }

void Engine::stepPiece(int index)
{
    Player &p = player(index);
    if (walk_ == Walk::Back)
        p.Square = static_cast<Integer>(p.Square <= 0 ? BoardSize - 1 : p.Square - 1);
    else
        p.Square = static_cast<Integer>(p.Square >= BoardSize - 1 ? 0 : p.Square + 1);
}

int Engine::vacatedSquare(int index) const
{
    const int s = state_.Players[index].Square;
    if (walk_ == Walk::Back)
        return s == BoardSize - 1 ? 0 : s + 1;
    return s == 0 ? BoardSize - 1 : s - 1;
}

void Engine::removePiece(int index)
{
    const int square = player(index).Square;
    if (square < 0)
        return;
    lineUp(state_, square);
    screen_.pieceMoved(index, square);
}

void Engine::collectGoSalary(int index)
{
    Player &p = player(index);
    const bool doubled = options_.doubleGoSalary && p.Square == squares::Go;
    const int salary = doubled ? 2 * GoSalary : GoSalary;
    if (logging())
        log(nameAndBalance(p.Name, p.Money) + " Passed GO:  " + pounds(salary) + "  -->  " +
            pounds(balanceAfter(p.Money, salary)));
    changeBalance(index, salary);
    p.PassedGo = false;
    screen_.refreshMoney();
}

} // namespace tycora
