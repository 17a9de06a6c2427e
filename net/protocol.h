#pragma once

// The messages between the game server and its players: one JSON object per
// WebSocket text message, with a "type". A player sends only what they want
// to do; the server sends what happened and the state a person at the table
// would see (never the dice's seed, the random state or the decks' order).

#include "game/game_state.h"
#include "game/pace.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace tycora {
class Engine;
}

namespace tycora::net {

// Limits on what one client may send.
constexpr qsizetype MaxMessageBytes = 64 * 1024;
constexpr int MaxMessagesPerSecond = 20;
// A client is pinged this often and dropped when silent for longer.
constexpr int PingIntervalMs = 10'000;
constexpr int SilenceLimitMs = 30'000;
// A seat waits this long for its person to come back; then a computer
// plays it until they do.
constexpr int ReconnectGraceMs = 60'000;

struct Command {
    QString type;
    QJsonObject body;
};

struct ParsedCommand {
    Command command;
    QString error;   // empty when the message is a command
};

// Said of a pace that is none of the game's.
inline constexpr const char *PaceProblem = "the pace is Classic, Fast or Instant";

// Reads one message from a client: a JSON object with a text "type".
ParsedCommand parseCommand(const QByteArray &bytes);

QByteArray messageBytes(const QJsonObject &message);

// The pace of that name ("Classic", "Fast", "Instant"); none for any other.
std::optional<Pace> paceNamed(const QString &name);
QJsonObject errorMessage(const QString &what);

// The game as every player may see it: money, squares, buildings, jail,
// cards held, whose turn; the decks' order and the dice's source stay out.
QJsonObject publicState(const GameState &state);

// What changed from one public state to the next, as sent with a batch of
// events: each player and square that differs, whole, under its number
// ("players": {"2": {...}}), and each other figure that differs.
QJsonObject stateChange(const QJsonObject &before, const QJsonObject &after);
// The public state with such a change made to it. A change from elsewhere
// is hostile: numbers that are not a player's or a square's are ignored.
QJsonObject withChange(QJsonObject state, const QJsonObject &change);

// What the board may offer now: whose deeds its buttons act on and where
// they may build, sell, mortgage or lift a mortgage, whether that player
// raises money, and why the player to throw may not trade (empty when they
// may). Drawn from the table as everyone sees it.
QJsonObject openMoves(const Engine &engine);

} // namespace tycora::net
