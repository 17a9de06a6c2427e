#pragma once

// The program's thinker: a computer's looking ahead runs on a worker thread
// of its own, so that the window goes on being drawn and answering while a
// hard computer thinks. The work owns its copy of the game.

#include "game/thinking.h"

#include <QThreadPool>

namespace tycora::app {

class WorkerThinker final : public Thinker {
public:
    WorkerThinker();
    // Waits for a thought under way: it reads nothing of the game's own.
    ~WorkerThinker() override;

    std::future<Scores> start(ThinkWork work) override;

private:
    QThreadPool pool_;
};

} // namespace tycora::app
