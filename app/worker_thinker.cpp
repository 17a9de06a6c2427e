#include "app/worker_thinker.h"

#include <exception>
#include <memory>

namespace tycora::app {

WorkerThinker::WorkerThinker()
{
    // One game, one thought at a time.
    pool_.setMaxThreadCount(1);
}

WorkerThinker::~WorkerThinker() { pool_.waitForDone(); }

std::future<Scores> WorkerThinker::start(ThinkWork work)
{
    auto promise = std::make_shared<std::promise<Scores>>();
    std::future<Scores> scores = promise->get_future();
    pool_.start([promise, work = std::move(work)] {
        try {
            promise->set_value(work());
        } catch (...) {
            promise->set_exception(std::current_exception());
        }
    });
    return scores;
}

} // namespace tycora::app
