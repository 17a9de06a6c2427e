#pragma once

// A connection to a game server that carries text messages. The one the
// program uses speaks WebSocket; it lives in a module of its own that is
// loaded when a player first goes online, so that the network libraries
// cost nothing while the game starts. Plain callbacks rather than signals:
// the module and the program each have their own copy of this class.

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace tycora::client {

class Connection {
public:
    struct Listener {
        std::function<void()> connected;
        std::function<void(const QString &text)> received;
        std::function<void()> disconnected;
        // The server could not be reached, or the connection broke; why,
        // in words.
        std::function<void(const QString &why)> failed;
    };

    virtual ~Connection() = default;
    virtual void setListener(Listener listener) = 0;
    virtual void open(const QUrl &server) = 0;
    // Drops the connection at once; close() says goodbye first.
    virtual void abort() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void send(const QString &text) = 0;
};

// A WebSocket connection from the module beside the program; when the
// module cannot be loaded, a connection that fails at once and says why.
std::unique_ptr<Connection> makeConnection();

} // namespace tycora::client
