#include "net/game_server.h"

#include <QDateTime>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>

namespace tycora::net {

namespace {
qint64 nowMs() { return QDateTime::currentMSecsSinceEpoch(); }

GameOptions optionsFrom(const QJsonObject &host, QString *problem)
{
    GameOptions options;
    const QString rules = host.value(QLatin1String("rules")).toString(QStringLiteral("Classic"));
    if (rules == QLatin1String("Full"))
        options.rules = RuleSet::Full;
    else if (rules != QLatin1String("Classic"))
        *problem = QStringLiteral("the rules are Classic or Full");
    const QJsonObject chosen = host.value(QLatin1String("options")).toObject();
    const auto flag = [&](const char *key, bool fallback) {
        const QJsonValue v = chosen.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isBool())
            *problem = QStringLiteral("the option %1 is true or false").arg(QLatin1String(key));
        return v.toBool(fallback);
    };
    options.firstRoundBuying = flag("firstRoundBuying", true);
    options.doubleGoSalary = flag("doubleGoSalary", false);
    options.freeParkingPot = flag("freeParkingPot", false);
    // As at one screen: a game under the Full rules trades.
    options.trading = options.rules == RuleSet::Full;
    return options;
}

Pace paceFrom(const QJsonObject &host, QString *problem)
{
    if (const auto pace = paceNamed(host.value(QLatin1String("pace")).toString(QStringLiteral("Classic"))))
        return *pace;
    *problem = QString::fromLatin1(PaceProblem);
    return Pace::Classic;
}
} // namespace

GameServer::GameServer(Clock &clock, ServerTimings timings, QObject *parent)
    : QObject(parent), clock_(clock), timings_(timings)
{
    seeds_ = [] { return QRandomGenerator::system()->generate64(); };
}

GameServer::~GameServer()
{
    // Rooms stop their engines before the clock or the sockets go; the
    // games' last states are on disk before the server is gone.
    if (store_)
        store_->finishWrites();
    graceTimers_.clear();
    rooms_.clear();
    for (auto &[socket, client] : clients_) {
        socket->disconnect(this);
        socket->deleteLater();
    }
}

bool GameServer::listen(const QString &address, quint16 port, QString *problem, const QSslConfiguration *tls)
{
    server_ = new QWebSocketServer(QStringLiteral("Tycora"),
                                   tls ? QWebSocketServer::SecureMode : QWebSocketServer::NonSecureMode, this);
    if (tls) {
        server_->setSslConfiguration(*tls);
        if (!server_->listen(QHostAddress(address), port)) {
            *problem = server_->errorString();
            return false;
        }
    } else {
        // Plain connections are accepted here, so that each can send its
        // small messages at once rather than wait to fill a packet.
        tcp_ = new QTcpServer(this);
        if (!tcp_->listen(QHostAddress(address), port)) {
            *problem = tcp_->errorString();
            return false;
        }
        connect(tcp_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = tcp_->nextPendingConnection()) {
                socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                server_->handleConnection(socket);
            }
        });
    }
    connect(server_, &QWebSocketServer::newConnection, this, &GameServer::accept);
    // On the games' clock, so that silence is measured as the games are.
    pinger_ = std::make_unique<Timer>(clock_, timings_.pingIntervalMs, [this] { checkLiveness(); });
    pinger_->setEnabled(true);
    return true;
}

quint16 GameServer::port() const { return tcp_ ? tcp_->serverPort() : server_ ? server_->serverPort() : 0; }

GameRoom *GameServer::room(const QString &code) const
{
    const auto found = rooms_.find(code);
    return found == rooms_.end() ? nullptr : found->second.get();
}

void GameServer::accept()
{
    while (QWebSocket *socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        // Larger messages are refused by the socket before they are read whole.
        socket->setMaxAllowedIncomingMessageSize(quint64(MaxMessageBytes));
        Client &client = clients_[socket];
        client.windowStartMs = nowMs();
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString &text) { received(socket, text); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, socket](const QByteArray &) { drop(socket, QStringLiteral("only text messages are read")); });
        connect(socket, &QWebSocket::pong, this, [this, socket](quint64, const QByteArray &) {
            if (const auto c = clients_.find(socket); c != clients_.end())
                c->second.quietPings = 0;
        });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { gone(socket); });
    }
}

void GameServer::received(QWebSocket *socket, const QString &text)
{
    const auto found = clients_.find(socket);
    if (found == clients_.end())
        return;
    Client &client = found->second;
    const qint64 now = nowMs();
    client.quietPings = 0;
    if (now - client.windowStartMs >= 1000) {
        client.windowStartMs = now;
        client.messagesInWindow = 0;
    }
    if (++client.messagesInWindow > timings_.maxMessagesPerSecond) {
        drop(socket, QStringLiteral("more than %1 messages a second").arg(timings_.maxMessagesPerSecond));
        return;
    }
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > MaxMessageBytes) {
        drop(socket, QStringLiteral("a message larger than %1 bytes").arg(MaxMessageBytes));
        return;
    }
    const ParsedCommand parsed = parseCommand(bytes);
    if (!parsed.error.isEmpty()) {
        send(socket, errorMessage(parsed.error));
        return;
    }
    if (client.room.isEmpty()) {
        lobbyCommand(socket, client, parsed.command);
        return;
    }
    GameRoom *game = room(client.room);
    if (!game) {
        send(socket, errorMessage(QStringLiteral("the game has gone")));
        return;
    }
    if (const QString problem = game->command(client.seat, parsed.command); !problem.isEmpty())
        send(socket, errorMessage(problem));
}

void GameServer::lobbyCommand(QWebSocket *socket, Client &client, const Command &c)
{
    const QJsonObject &body = c.body;
    const auto text = [&](const char *key) { return body.value(QLatin1String(key)).toString(); };
    QString problem;
    if (c.type == QLatin1String("host")) {
        const GameOptions options = optionsFrom(body, &problem);
        const Pace pace = paceFrom(body, &problem);
        if (!problem.isEmpty()) {
            send(socket, errorMessage(problem));
            return;
        }
        const QString code = newCode();
        GameRoom &created = addRoom(code);
        created.setChoices(options, pace);
        const int seat = created.addPerson(text("name"), text("piece"), text("colour"), &problem);
        if (seat < 0) {
            rooms_.erase(code);
            send(socket, errorMessage(problem));
            return;
        }
        enter(socket, client, code, seat);
        send(socket, {{"type", "joined"}, {"code", code}, {"seat", seat}, {"token", created.seats()[0].token}});
        send(socket, created.wholeGame());
    } else if (c.type == QLatin1String("join") || c.type == QLatin1String("rejoin")) {
        const QString code = text("code").trimmed().toUpper();
        GameRoom *game = room(code);
        if (!game) {
            send(socket, errorMessage(QStringLiteral("there is no game with the code %1").arg(code.left(12))));
            return;
        }
        int seat = -1;
        if (c.type == QLatin1String("rejoin")) {
            seat = game->seatOfToken(text("token"));
            if (seat < 0) {
                send(socket, errorMessage(QStringLiteral("that token holds no seat in the game")));
                return;
            }
            // A second connection for the same seat replaces the first.
            for (QWebSocket *other : std::vector<QWebSocket *>(members_[code]))
                if (Client &c2 = clients_[other]; other != socket && c2.seat == seat) {
                    leave(other, c2);
                    other->close();
                }
        } else {
            seat = game->addPerson(text("name"), text("piece"), text("colour"), &problem);
            if (seat < 0) {
                send(socket, errorMessage(problem));
                return;
            }
        }
        enter(socket, client, code, seat);
        graceTimers_.erase({code, seat});
        send(socket, {{"type", "joined"}, {"code", code}, {"seat", seat}, {"token", game->seats()[std::size_t(seat)].token}});
        if (c.type == QLatin1String("rejoin"))
            game->seatReturned(seat);
        else
            send(socket, game->wholeGame());
    } else {
        send(socket, errorMessage(QStringLiteral("host or join a game first")));
    }
}

void GameServer::send(QWebSocket *socket, const QJsonObject &message)
{
    socket->sendTextMessage(QString::fromUtf8(messageBytes(message)));
}

void GameServer::sendToRoom(const QString &code, int seat, const QJsonObject &message)
{
    const auto members = members_.find(code);
    if (members == members_.end())
        return;
    const QString text = QString::fromUtf8(messageBytes(message));
    for (QWebSocket *socket : members->second)
        if (seat < 0 || clients_[socket].seat == seat)
            socket->sendTextMessage(text);
}

void GameServer::drop(QWebSocket *socket, const QString &why)
{
    send(socket, errorMessage(why));
    socket->close(QWebSocketProtocol::CloseCodePolicyViolated, why.left(100));
    gone(socket);
}

void GameServer::gone(QWebSocket *socket)
{
    const auto found = clients_.find(socket);
    if (found == clients_.end())
        return;
    const Client client = found->second;
    leave(socket, found->second);
    clients_.erase(found);
    socket->deleteLater();
    GameRoom *game = client.room.isEmpty() ? nullptr : room(client.room);
    if (!game || client.seat < 0)
        return;
    game->seatLeft(client.seat);
    if (!game->started() || game->over()) {
        forgetIfDeserted(client.room);
        return;
    }
    awaitPerson(client.room, client.seat);
}

void GameServer::forgetIfDeserted(const QString &code)
{
    // Later, never from inside the room's own call; by then someone may
    // have come back.
    QMetaObject::invokeMethod(
        this,
        [this, code] {
            const GameRoom *game = room(code);
            if (!game || members_.count(code) || (game->started() && !game->over()))
                return;
            std::erase_if(graceTimers_, [&](const auto &timer) { return timer.first.first == code; });
            rooms_.erase(code);
        },
        Qt::QueuedConnection);
}

void GameServer::awaitPerson(const QString &code, int seat)
{
    // The seat waits for its person; then a computer plays it.
    auto grace = std::make_unique<Timer>(clock_, timings_.reconnectGraceMs);
    grace->setHandler([this, code, seat] {
        graceTimers_[{code, seat}]->setEnabled(false);
        if (GameRoom *g = room(code))
            g->standIn(seat);
    });
    grace->setEnabled(true);
    graceTimers_[{code, seat}] = std::move(grace);
}

void GameServer::checkLiveness()
{
    // A client is heard from when it sends anything or answers a ping.
    std::vector<QWebSocket *> silent;
    for (auto &[socket, client] : clients_) {
        if (++client.quietPings * timings_.pingIntervalMs > timings_.silenceLimitMs)
            silent.push_back(socket);
        else
            socket->ping();
    }
    for (QWebSocket *socket : silent)
        drop(socket, QStringLiteral("silent for too long"));
}

void GameServer::enter(QWebSocket *socket, Client &client, const QString &code, int seat)
{
    client.room = code;
    client.seat = seat;
    members_[code].push_back(socket);
}

void GameServer::leave(QWebSocket *socket, Client &client)
{
    if (const auto members = members_.find(client.room); members != members_.end()) {
        std::erase(members->second, socket);
        if (members->second.empty())
            members_.erase(members);
    }
    client.room.clear();
    client.seat = -1;
}

GameRoom &GameServer::addRoom(const QString &code)
{
    auto room = std::make_unique<GameRoom>(code, clock_, seeds_(), [this, code](int seat, const QJsonObject &m) {
        sendToRoom(code, seat, m);
    });
    GameRoom &added = *room;
    added.setSettledAction([this, &added] {
        if (added.over())
            forgetIfDeserted(added.code());
        if (!store_)
            return;
        // A game that is over is not resumed.
        if (added.over())
            store_->forgetLater(added.code());
        else
            store_->keepLater(added);
    });
    rooms_[code] = std::move(room);
    return added;
}

QStringList GameServer::keepGamesIn(const QString &folder)
{
    store_ = std::make_unique<RoomStore>(folder);
    QStringList problems;
    for (StoredGame &stored : store_->games(&problems)) {
        if (rooms_.count(stored.code))
            continue;
        GameRoom &room = addRoom(stored.code);
        room.resumeFrom(stored.game, stored.seats);
        for (std::size_t seat = 0; seat < room.seats().size(); ++seat)
            if (!room.seats()[seat].computer)
                awaitPerson(stored.code, int(seat));
    }
    return problems;
}

QString GameServer::newCode() const
{
    // Six capital letters, without I and O, which read like 1 and 0.
    static const QString letters = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ");
    QString code;
    do {
        code.clear();
        for (int i = 0; i < 6; ++i)
            code += letters[int(QRandomGenerator::system()->bounded(letters.size()))];
    } while (rooms_.count(code));
    return code;
}

} // namespace tycora::net
