#pragma once

// The messages between the game server and its players: one JSON object per
// WebSocket text message, with a "type". A player sends only what they want
// to do; the server sends what happened and the state a person at the table
// would see (never the dice's seed, the random state or the decks' order).

#include "game/game_state.h"

namespace tycora {
class Engine;
}

#include <QByteArray>
#include <QJsonObject>
#include <QString>

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

// Reads one message from a client: a JSON object with a text "type".
ParsedCommand parseCommand(const QByteArray &bytes);

QByteArray messageBytes(const QJsonObject &message);
QJsonObject errorMessage(const QString &what);

// The game as every player may see it: money, squares, buildings, jail,
// cards held, whose turn; the decks' order and the dice's source stay out.
QJsonObject publicState(const GameState &state);

// What the board may offer now: whose deeds its buttons act on and where
// they may build, sell, mortgage or lift a mortgage, whether that player
// raises money, and why the player to throw may not trade (empty when they
// may). Drawn from the table as everyone sees it.
QJsonObject openMoves(const Engine &engine);

} // namespace tycora::net
