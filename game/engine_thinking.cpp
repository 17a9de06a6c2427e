// A computer's long thinking, handed to a thinker and taken back from the
// clock, so that the game's thread is free while it runs.

#include "game/engine.h"

#include <chrono>

namespace tycora {

void Engine::think(ThinkWork work, std::function<void(Scores)> use)
{
    // One thought at a time; without a thinker the scores are used at once.
    if (!thinker_ || useThought_) {
        use(work());
        return;
    }
    thought_ = thinker_->start(std::move(work));
    useThought_ = std::move(use);
    startTimer(tmrThought_, ThoughtLookMs);
}

void Engine::tmrThought_Timer()
{
    if (!useThought_ || !thought_.valid()) {
        tmrThought_.setEnabled(false);
        return;
    }
    if (thought_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    tmrThought_.setEnabled(false);
    const std::function<void(Scores)> use = std::move(useThought_);
    useThought_ = nullptr;
    use(thought_.get());
    // As after a turn taken at once: the buttons, and the hand-over's
    // settled moment that waited for the thought.
    refreshActions();
    if (handOverPending_ && settled()) {
        handOverPending_ = false;
        if (onSettled_)
            onSettled_();
    }
}

} // namespace tycora
