#include "app/game_recorder.h"

#include "app/game_random.h"
#include "game/engine.h"
#include "save/game_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

namespace tycora::app {

namespace {

// The data folder holds nothing but the player's games: made private when
// it is made.
bool makePrivateFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QFileInfo parent(QFileInfo(folder).absolutePath());
    if (!parent.isDir() && !makePrivateFolder(parent.absoluteFilePath()))
        return false;
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || QFileInfo(folder).isDir();
}

} // namespace

void GameRecorder::follow(Engine &engine, std::vector<Decision> history)
{
    engine_ = &engine;
    history_ = std::move(history);
    engine.setDecisionObserver([this](const Decision &d) { history_.push_back(d); });
    engine.setSettledObserver([this] { autosave(); });
}

SavedGame GameRecorder::capture() const
{
    SavedGame game = captureGame(*engine_, random_.position(), history_);
    if (logLines_) {
        // The last lines only: a very long game's file stays small.
        const std::size_t kept = std::min(logLines_->size(), MaxSavedLogLines);
        game.log.assign(logLines_->end() - static_cast<std::ptrdiff_t>(kept), logLines_->end());
    }
    return game;
}

QString GameRecorder::save(const QString &path) const
{
    if (!engine_ || !engine_->settled())
        return "\"" + path + "\" was not written: the game is not at a point where it can be saved.";
    return save::saveGameFile(path, capture(), save::currentProvenance(QStringLiteral(TYCORA_VERSION)));
}

void GameRecorder::autosave()
{
    if (autosave_.isEmpty() || !engine_)
        return;
    QString problem;
    const QString folder = QFileInfo(autosave_).absolutePath();
    if (!makePrivateFolder(folder))
        problem = "The folder \"" + folder + "\" could not be made, so the game is not saved as it goes.";
    else
        problem = save(autosave_);
    if (problem.isEmpty() || told_)
        return;
    told_ = true;
    if (problem_)
        problem_(problem);
}

} // namespace tycora::app
