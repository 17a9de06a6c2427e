#include "game/engine.h"

#include "game/figures.h"

namespace tycora {

Engine::Engine(GameState &state, Screen &screen, Clock &clock, EventLog &log, DiceSource &dice)
    : tmrMovePiece(clock, 500), tmrMoneyDown(clock, 100), tmrPause(clock, 1800), state_(state), screen_(screen),
      log_(log), dice_(dice)
{
    tmrMovePiece.setHandler([this] { tmrMovePiece_Timer(); });
    tmrMoneyDown.setHandler([this] { tmrMoneyDown_Timer(); });
    tmrPause.setHandler([this] { tmrPause_Timer(); });
}

void Engine::log(const std::string &message)
{
    if (log_.isOn())
        log_.writeLog(message);
}

void Engine::changeBalance(int index, int delta)
{
    Player &p = player(index);
    const Integer before = p.Money;
    changeMoney(p, delta);
    if (onMoney_)
        onMoney_(index, p.Money - before);
}

void Engine::tmrMovePiece_Timer() { movePiece(state_.CurrentPlayer); }

void Engine::tmrMoneyDown_Timer()
{
    addSaturating(state_.PayAmount, -1);
    showDebt(state_.PayFrom, state_.PayTo, state_.PayAmount);
}

void Engine::tmrPause_Timer()
{
    tmrPause.setEnabled(false);
    if (onPause_)
        onPause_(false);
    screen_.showCurrentPlayer();
    // The pause is over: the computer whose turn it is throws.
    const int waiting = pausedPlayer_;
    pausedPlayer_ = -1;
    if (waiting >= 0)
        rollDice(waiting);
}

void Engine::stopTimers()
{
    tmrMovePiece.setEnabled(false);
    tmrPause.setEnabled(false);
    tmrMoneyDown.setEnabled(false);
    pausedPlayer_ = -1;
}

} // namespace tycora
