// Bankruptcy and the end of the game (Full rules). A player who cannot pay
// what they owe hands everything to their creditor, or back to the bank,
// and leaves the game; the last player standing wins.

#include "game/engine.h"

#include "game/board.h"
#include "game/rules.h"
#include "game/text.h"
#include "game/user_text.h"

namespace tycora {

bool Engine::declareBankruptcy(int index)
{
    if (phase_ != Phase::RaisingMoney || index != debtor())
        return false;
    noteDecision(Decision::Kind::Bankrupt, index);
    goBankrupt(index, debt_->creditor);
    return true;
}

void Engine::goBankrupt(int index, Creditor creditor)
{
    Player &p = player(index);
    const bool toPlayer = creditor.kind == MoneyChange::Other::Player;
    const std::string to = toPlayer ? player(creditor.player).Name : std::string("the Bank");
    // What could not be paid comes first, so the log tells why.
    if (debt_ && !debt_->cause.empty())
        log(nameAndBalance(p.Name, p.Money) + debt_->cause);
    debt_.reset();

    // Buildings go back to the bank for half their cost, evenly, each sale
    // in the log like any other.
    for (bool sold = true; sold;) {
        sold = false;
        for (const int sq : ownableSquares())
            if (maySellFrom(state_, index, sq)) {
                sellOneBuilding(index, sq);
                sold = true;
            }
    }
    log(nameAndBalance(p.Name, p.Money) + " is Bankrupt to " + to);
    screen_.showStatus(toPlayer ? userText("Engine", "%1 is Bankrupt to %2").arg(p.Name, to)
                                : userText("Engine", "%1 is Bankrupt to the Bank").arg(p.Name));

    // The cash to the creditor (a pot creditor is the bank here).
    if (p.Money > 0)
        transfer(index, p.Money, toPlayer ? creditor : Creditor{});
    // The deeds: to the creditor as they are, or back to the bank unowned
    // and free of mortgage.
    for (const int sq : ownableSquares()) {
        if (!state_.holds(index, sq))
            continue;
        Property &d = deed(sq);
        if (toPlayer) {
            d.Owner = static_cast<Integer>(creditor.player);
        } else {
            d.Owned = false;
            d.Owner = 0;
            d.Mortgaged = false;
        }
        screen_.squareChanged(sq);
    }
    // Get Out of Jail Free cards go back to their decks.
    for (int &holder : state_.JailCardHolder)
        if (holder == index)
            holder = -1;

    p.Bankrupt = true;
    p.InJail = false;
    p.BankruptOrder = static_cast<Integer>(state_.PlayerCount - playersLeft());   // 1 for the first to go
    removePiece(index);
    screen_.showPlayerState(index);
    screen_.refreshMoney();
    if (toPlayer)
        screen_.showPlayerState(creditor.player);

    if (playersLeft() == 1) {
        for (int i = 0; i < state_.PlayerCount; ++i)
            if (!player(i).Bankrupt)
                declareWinner(i);
        return;
    }
    endTurnOfBankrupt();
}

void Engine::endTurnOfBankrupt()
{
    // The bankrupt player's turn is over, whatever was still to come.
    tmrMovePiece_.setEnabled(false);
    state_.MoveFlag = false;
    phase_ = Phase::Moving;
    nextPlayer();
    playerToThrow();
}

void Engine::declareWinner(int index)
{
    tmrMovePiece_.setEnabled(false);
    tmrPause_.setEnabled(false);
    pausedPlayer_ = -1;
    phase_ = Phase::Over;
    log(player(index).Name + " Wins the Game");
    screen_.showStatus(userText("Engine", "%1 Wins the Game").arg(player(index).Name));
    screen_.setRollEnabled(false);
    refreshActions();
    if (onHandOver_)
        onHandOver_();
    screen_.showWinner(index);
    if (onSettled_)
        onSettled_();
}

} // namespace tycora
