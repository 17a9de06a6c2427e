#pragma once

// Plays a saved game again from its set-up, every decision and every throw
// taken from its history, and checks that it reaches the saved snapshot.
// The replay asks no strategy: people and computers alike do what the
// history says they did, so a game stays replayable when a computer's play
// changes.

#include "game/event_log.h"
#include "game/saved_game.h"

#include <string>

namespace tycora {

// Empty when the replay reaches the saved game; otherwise the first
// difference, in words. The replay's event lines go to `log`.
std::string replayDifference(const SavedGame &game, EventLog &log);

} // namespace tycora
