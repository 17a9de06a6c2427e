#pragma once

// The saved games a player may resume, as the Load Game window lists them:
// the autosave first (unless its game was won), then the saved games of the
// given folders, newest first. A file that cannot be loaded stays in the
// list with the reason, so that no saved game is ever silently hidden.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace tycora::save {

struct SavedGameEntry {
    QString path;
    QString title;       // "Resume the last game" for the autosave, else the file's name
    QString players;     // "Ann, Bob, Player 3"
    QString rules;       // "Classic" or "Full"
    long long round = 0;
    QString saved;       // as the file says, ISO 8601
    QDateTime modified;
    QString problem;     // why it cannot be loaded; empty when it can
};

inline constexpr const char *AutosaveTitle = "Resume the last game";

// autosave.tycora in the user's data folder.
QString autosaveFile();

std::vector<SavedGameEntry> listSavedGames(const QString &autosave, const QStringList &folders);

} // namespace tycora::save
