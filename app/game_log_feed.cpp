#include "app/game_log_feed.h"

namespace tycora::app {

void GameLogFeed::writeLog(const std::string &message)
{
    lines_.push_back(message);
    file_.writeLog(message);
    if (listener_)
        listener_(message);
}

} // namespace tycora::app
