#pragma once

// What makes a player's name one name: when two names count as the same,
// and how a right-to-left name is shown among other words. What a name may
// hold is the game's own rule (game/player_name_rule.h).

#include <QString>
#include <QStringList>

namespace tycora {

struct GameState;

// The form in which names are compared: invisible characters left out,
// compatibility forms folded (full-width letters, non-breaking spaces),
// case folded, and blanks run together and trimmed. Names of one form
// look alike, so they count as the same name.
QString nameComparisonForm(const QString &name);
bool isSameName(const QString &a, const QString &b);

// The name between the first-strong isolate (U+2068) and the pop
// (U+2069) when it holds right-to-left letters, so that it keeps its place
// among the words around it on screen; any other name as it is. Only for
// what is shown: the event log keeps its lines as they are.
QString isolatedName(const QString &name);
// The text with each right-to-left name in it isolated.
QString withNamesIsolated(const QString &text, const QStringList &names);
// The names in the game's player records, for withNamesIsolated.
QStringList playerNames(const GameState &state);

} // namespace tycora
