#pragma once

// Keeps what a game needs to be written down: every decision taken since
// it began, and where its dice stand. Writes it on request (Save) and at
// every hand-over of the turn to the autosave file, so that a crash or a
// kill loses at most the turn in progress. A failed autosave is told once;
// play goes on.

#include "game/decision.h"
#include "game/saved_game.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace tycora {
class Engine;
}

namespace tycora::app {

class GameRandom;

class GameRecorder {
public:
    explicit GameRecorder(GameRandom &random) : random_(random) {}

    // Empty: no autosave.
    void setAutosaveFile(const QString &path) { autosave_ = path; }
    const QString &autosaveFile() const { return autosave_; }
    // Told the first failed autosave's reason.
    void setProblemAction(std::function<void(const QString &)> action) { problem_ = std::move(action); }

    // The lines of the game so far, written with it for the Game Log.
    void setLogLines(const std::vector<std::string> *lines) { logLines_ = lines; }

    // Follows the engine of a new game, or of a loaded one with its history.
    void follow(Engine &engine, std::vector<Decision> history = {});
    void forget() { engine_ = nullptr; }

    // The game as it stands; only while the engine is settled.
    SavedGame capture() const;
    // Empty on success, otherwise why the file was not written.
    QString save(const QString &path) const;
    void autosave();

private:
    GameRandom &random_;
    Engine *engine_ = nullptr;
    std::vector<Decision> history_;
    QString autosave_;
    const std::vector<std::string> *logLines_ = nullptr;
    std::function<void(const QString &)> problem_;
    bool told_ = false;
};

} // namespace tycora::app
