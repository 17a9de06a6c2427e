#pragma once

// Where a computer's long thinking runs: the scores of its choices, worked
// out by looking ahead. Without a thinker the engine works them out where it
// is asked, at once (the simulation and the tests). The program gives the
// engine one that works on another thread, so that the window stays free
// while a hard computer thinks; the engine then takes the scores from its
// clock once they are ready.

#include <functional>
#include <future>
#include <vector>

namespace tycora {

using Scores = std::vector<double>;
// Owns a copy of all it reads: it may run on another thread while the game
// goes on being shown.
using ThinkWork = std::function<Scores()>;

class Thinker {
public:
    virtual ~Thinker() = default;
    // Starts the work; the future holds its scores once it is done.
    virtual std::future<Scores> start(ThinkWork work) = 0;
};

} // namespace tycora
