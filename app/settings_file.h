#pragma once

// The bytes of the small settings file, read and replaced with care: the
// file may be anything a user or another program left at its place. Only a
// regular file in a real folder is read or replaced, never through a
// symbolic link, and nothing that could wait for ever (a named pipe, a
// stuck lock) is waited on.

#include <QByteArray>
#include <QString>

#include <optional>

namespace tycora::app {

// Larger settings files are refused unread.
inline constexpr qint64 MaxSettingsFileSize = 64 * 1024;

// The file's bytes; nothing when it is missing or refused, and then
// *problem says why it was refused (left empty for a missing file).
std::optional<QByteArray> readSettingsFile(const QString &path, QString *problem);

// Puts the bytes in place of the file under its lock (path + ".lock", the
// lock QSettings takes too): written to a new file beside it, then renamed
// over it, so that the old file stays whole until the new one is. A folder,
// link, pipe or device at the path is left alone; a lock still held after a
// short wait is given up. False, with the reason in *problem, when the
// bytes were not put in place.
bool replaceSettingsFile(const QString &path, const QByteArray &bytes, QString *problem);

} // namespace tycora::app
