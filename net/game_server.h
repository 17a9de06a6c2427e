#pragma once

// The game server: players connect over WebSocket, host a game (which gets
// a six-letter join code) or join one, and play it. Every message is checked
// before anything changes; a client that floods, sends oversize messages or
// falls silent is dropped without harming any other game.

#include "game/timer.h"
#include "net/game_room.h"
#include "net/room_store.h"

#include <QHash>
#include <QObject>
#include <QSslConfiguration>

#include <map>
#include <memory>

class QWebSocket;
class QWebSocketServer;
class QTcpServer;
class QTimer;

namespace tycora::net {

struct ServerTimings {
    int pingIntervalMs = PingIntervalMs;
    int silenceLimitMs = SilenceLimitMs;
    int reconnectGraceMs = ReconnectGraceMs;
    int maxMessagesPerSecond = MaxMessagesPerSecond;
};

class GameServer final : public QObject {
public:
    // The games' timers run on `clock`; seeds come from `seeds` (the system's
    // random numbers unless a test gives its own).
    GameServer(Clock &clock, ServerTimings timings = {}, QObject *parent = nullptr);
    ~GameServer() override;

    // Listens on the address and port (0: any free port); with a
    // certificate, over TLS. False with the reason.
    bool listen(const QString &address, quint16 port, QString *problem,
                const QSslConfiguration *tls = nullptr);
    quint16 port() const;

    // Keeps every game in the folder at each hand-over, and goes on with the
    // games kept there; the reasons of any that cannot be read.
    QStringList keepGamesIn(const QString &folder);

    void setSeedSource(std::function<std::uint64_t()> seeds) { seeds_ = std::move(seeds); }
    GameRoom *room(const QString &code) const;
    int roomCount() const { return int(rooms_.size()); }
    int clientCount() const { return int(clients_.size()); }

private:
    struct Client {
        QString room;
        int seat = -1;
        int quietPings = 0;   // pings since the client was last heard from
        qint64 windowStartMs = 0;
        int messagesInWindow = 0;
    };

    void accept();
    void received(QWebSocket *socket, const QString &text);
    void lobbyCommand(QWebSocket *socket, Client &client, const Command &command);
    void send(QWebSocket *socket, const QJsonObject &message);
    void sendToRoom(const QString &code, int seat, const QJsonObject &message);
    void drop(QWebSocket *socket, const QString &why);
    void gone(QWebSocket *socket);
    void checkLiveness();
    QString newCode() const;
    GameRoom &addRoom(const QString &code);
    void enter(QWebSocket *socket, Client &client, const QString &code, int seat);
    void leave(QWebSocket *socket, Client &client);
    void awaitPerson(const QString &code, int seat);
    // A game nobody is connected to goes once it has not begun or is over;
    // a game under way waits for its people (and is kept on disk).
    void forgetIfDeserted(const QString &code);

    Clock &clock_;
    ServerTimings timings_;
    QWebSocketServer *server_ = nullptr;
    QTcpServer *tcp_ = nullptr;
    std::unique_ptr<Timer> pinger_;
    std::function<std::uint64_t()> seeds_;
    std::unique_ptr<RoomStore> store_;
    std::map<QWebSocket *, Client> clients_;
    std::map<QString, std::unique_ptr<GameRoom>> rooms_;
    // The connections of each game, to send it its messages.
    std::map<QString, std::vector<QWebSocket *>> members_;
    // The seats waiting for their person, on the games' clock.
    std::map<std::pair<QString, int>, std::unique_ptr<Timer>> graceTimers_;
};

} // namespace tycora::net
