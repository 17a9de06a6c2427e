#include "game/engine.h"

#include "game/computer_levels.h"
#include "game/computer_players.h"
#include "game/human_controller.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"

namespace tycora {

Engine::Engine(GameState &state, Screen &screen, Clock &clock, EventLog &log, DiceSource &dice,
               const GameOptions &options)
    : state_(state), screen_(screen), clock_(clock), log_(log), dice_(dice), options_(options), timings_(timingsOf(pace_)),
      tmrMovePiece_(clock, timings_.stepMs), tmrPause_(clock, timings_.pauseMs), tmrThought_(clock, ThoughtLookMs)
{
    tmrMovePiece_.setHandler([this] { tmrMovePiece_Timer(); });
    tmrPause_.setHandler([this] { tmrPause_Timer(); });
    tmrThought_.setHandler([this] { tmrThought_Timer(); });
}

Engine::~Engine() = default;

void Engine::setOptions(const GameOptions &options)
{
    if (phase_ == Phase::Setup)
        options_ = options;
}

void Engine::setController(int index, std::unique_ptr<PlayerController> controller)
{
    if (index >= 0 && index < MaxPlayers)
        controllers_[index] = std::move(controller);
}

PlayerController &Engine::controller(int index) const
{
    std::unique_ptr<PlayerController> &slot = controllers_[index];
    if (!slot) {
        if (!isComputer(index))
            slot = std::make_unique<HumanController>(screen_);
        else if (fullRules())
            slot = makeFullRulesComputer(player(index).Level);
        else
            slot = std::make_unique<ClassicComputer>();
    }
    return *slot;
}

bool Engine::isComputer(int index) const { return player(index).PlayerType == Computer; }

bool Engine::takesDeedActionsFromWindow(int index) const
{
    return index >= 0 && index < state_.PlayerCount && controller(index).takesDeedActionsFromWindow(index);
}

void Engine::takeTurn(int index)
{
    const int before = turnTaker_;
    turnTaker_ = index;
    controller(index).turnToThrow(*this, index);
    turnTaker_ = before;
}

void Engine::log(const std::string &message)
{
    if (log_.isOn())
        log_.writeLog(message);
}

void Engine::startTimer(Timer &timer, int intervalMs)
{
    // A pace chosen during play applies from the timer's next start: a
    // running timer keeps the interval it was started with.
    if (!timer.enabled())
        timer.setInterval(intervalMs);
    timer.setEnabled(true);
}

void Engine::setPace(Pace pace)
{
    pace_ = pace;
    timings_ = timingsOf(pace);
}

void Engine::stopTimers()
{
    tmrMovePiece_.setEnabled(false);
    tmrPause_.setEnabled(false);
    tmrThought_.setEnabled(false);
    useThought_ = nullptr;
    thought_ = {};
    screen_.stopAnimations();
    pausedPlayer_ = -1;
    // Nothing asked before the end may move the game on afterwards.
    ++question_;
    phase_ = Phase::Over;
}

template<typename T>
Answer<T> Engine::once(std::function<void(T)> then)
{
    const unsigned asked = ++question_;
    auto answered = std::make_shared<bool>(false);
    std::weak_ptr<bool> engineAlive = alive_;
    return [this, asked, answered, engineAlive, then = std::move(then)](T value) {
        if (engineAlive.expired() || *answered || asked != question_)
            return;
        *answered = true;
        then(value);
    };
}

template Answer<bool> Engine::once(std::function<void(bool)>);
template Answer<int> Engine::once(std::function<void(int)>);
template Answer<JailChoice> Engine::once(std::function<void(JailChoice)>);
template Answer<TradeReply> Engine::once(std::function<void(TradeReply)>);

// ---- queries ----------------------------------------------------------------

namespace {

template<typename Test>
std::vector<int> squaresWhere(Test test)
{
    std::vector<int> found;
    for (const int sq : ownableSquares())
        if (test(sq))
            found.push_back(sq);
    return found;
}

} // namespace

bool Engine::mayManageDeeds(int index, bool whileRaising) const
{
    if (!fullRules())
        return false;
    if (whileRaising && phase_ == Phase::RaisingMoney && index == debtor())
        return true;
    return phase_ == Phase::ToThrow && index == state_.CurrentPlayer;
}

std::vector<int> Engine::buildableSquares(int index) const
{
    if (!mayManageDeeds(index, false) || player(index).Bankrupt)
        return {};
    return squaresWhere([&](int sq) { return mayBuildOn(state_, index, sq); });
}

std::vector<int> Engine::sellableSquares(int index) const
{
    if (!mayManageDeeds(index, true))
        return {};
    return squaresWhere([&](int sq) { return maySellFrom(state_, index, sq); });
}

std::vector<int> Engine::mortgageableSquares(int index) const
{
    if (!mayManageDeeds(index, true))
        return {};
    return squaresWhere([&](int sq) { return mayMortgage(state_, index, sq); });
}

std::vector<int> Engine::unmortgageableSquares(int index) const
{
    if (!mayManageDeeds(index, false))
        return {};
    return squaresWhere([&](int sq) { return mayUnmortgage(state_, index, sq); });
}

Cash Engine::liquidValue(int index) const { return tycora::liquidValue(state_, index); }

Cash Engine::netWorth(int index) const { return tycora::netWorth(state_, index); }

int Engine::playersLeft() const
{
    int left = 0;
    for (int i = 0; i < state_.PlayerCount; ++i)
        left += !player(i).Bankrupt;
    return left;
}

int Engine::winner() const
{
    if (phase_ != Phase::Over || playersLeft() != 1)
        return -1;
    for (int i = 0; i < state_.PlayerCount; ++i)
        if (!player(i).Bankrupt)
            return i;
    return -1;
}

} // namespace tycora
