#pragma once

// Saved games on disk. Reading takes only a regular file of sensible size
// (no folder, named pipe or device, no link to another folder), never
// waits, and names the file and the first problem. Writing goes through a
// temporary file that replaces the old one only when it is whole, so a
// failed write keeps the previous file.

#include "save/game_document.h"

#include <QString>

namespace tycora::save {

// No saved game comes near this: 2,000 turns take about a tenth of it.
inline constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// The file name extension of saved games.
inline constexpr const char *FileExtension = ".tycora";

struct LoadedGame {
    SavedGame game;
    Provenance provenance;
    QString error;   // empty when the game was read
};

// `path` is named in messages as given.
LoadedGame loadGameFile(const QString &path);

// Empty on success; otherwise what went wrong, naming the file. The file
// as it was is kept.
QString saveGameFile(const QString &path, const SavedGame &game, const Provenance &provenance);

// The same care for other files kept beside saved games: the bytes of a
// regular file of at most MaxFileSize, or why they cannot be had (empty on
// success); and a whole write through a temporary file, never through a
// link (empty on success, otherwise why, naming the file).
QString readFileBytes(const QString &path, QByteArray &bytes);
QString writeFileBytes(const QString &path, const QByteArray &bytes);

// "tycora 1.0.0" and the present moment.
Provenance currentProvenance(const QString &programVersion);

} // namespace tycora::save
