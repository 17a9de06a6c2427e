#pragma once

// A saved game as one JSON document: what it looks like, and reading it
// back with every field checked. The document is hostile until checked:
// reading names the first field that is missing, of the wrong kind or out
// of range, then the first figure no game could reach.

#include "game/saved_game.h"

#include <QByteArray>
#include <QString>

namespace tycora::save {

inline constexpr const char *FormatName = "tycora-game";
// The format's own version: it changes only when an older program could no
// longer read the files of a newer one.
inline constexpr int FormatVersion = 1;

// What a file says about itself besides the game.
struct Provenance {
    QString program;   // "tycora 1.0.0"
    QString saved;     // when, in ISO 8601 UTC
};

struct ReadGame {
    SavedGame game;
    Provenance provenance;
    QString problem;   // empty when the document is a game that can be played
};

QByteArray gameDocument(const SavedGame &game, const Provenance &provenance);
ReadGame readGameDocument(const QByteArray &bytes);

} // namespace tycora::save
