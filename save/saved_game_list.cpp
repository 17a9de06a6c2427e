#include "save/saved_game_list.h"

#include "save/game_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tycora::save {

namespace {

SavedGameEntry entryFor(const QString &path, const QString &title, bool &won)
{
    SavedGameEntry entry;
    entry.path = path;
    entry.title = title;
    entry.modified = QFileInfo(path).lastModified();
    const LoadedGame loaded = loadGameFile(path);
    won = false;
    if (!loaded.error.isEmpty()) {
        entry.problem = loaded.error;
        return entry;
    }
    QStringList names;
    int left = 0;
    for (int i = 0; i < loaded.game.state.PlayerCount; ++i) {
        names << QString::fromStdString(loaded.game.state.Players[i].Name);
        left += !loaded.game.state.Players[i].Bankrupt;
    }
    won = left == 1;
    entry.players = names.join(", ");
    entry.rules = ruleSetName(loaded.game.options.rules);
    entry.round = roundOf(loaded.game);
    entry.saved = loaded.provenance.saved;
    return entry;
}

} // namespace

QString autosaveFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("autosave.tycora");
}

std::vector<SavedGameEntry> listSavedGames(const QString &autosave, const QStringList &folders)
{
    std::vector<SavedGameEntry> entries;
    bool won = false;
    if (QFileInfo::exists(autosave)) {
        SavedGameEntry last = entryFor(autosave, AutosaveTitle, won);
        if (!won)
            entries.push_back(last);
    }
    std::vector<SavedGameEntry> files;
    QStringList seen{QFileInfo(autosave).absoluteFilePath()};
    for (const QString &folder : folders) {
        const QFileInfoList found =
            QDir(folder).entryInfoList({QString("*") + FileExtension}, QDir::Files | QDir::System | QDir::Hidden);
        for (const QFileInfo &info : found) {
            if (seen.contains(info.absoluteFilePath()))
                continue;
            seen << info.absoluteFilePath();
            files.push_back(entryFor(info.filePath(), info.fileName(), won));
        }
    }
    std::stable_sort(files.begin(), files.end(),
                     [](const SavedGameEntry &a, const SavedGameEntry &b) { return a.modified > b.modified; });
    entries.insert(entries.end(), files.begin(), files.end());
    return entries;
}

} // namespace tycora::save
