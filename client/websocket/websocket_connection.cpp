// The WebSocket connection to a game server, built as a module the program
// loads when it first goes online (see client/connection.h).

#include "client/connection.h"

#include <QWebSocket>

namespace tycora::client {
namespace {

class WebSocketConnection final : public Connection {
public:
    WebSocketConnection()
    {
        QObject::connect(&socket_, &QWebSocket::connected, [this] { call(listener_.connected); });
        QObject::connect(&socket_, &QWebSocket::textMessageReceived, [this](const QString &text) {
            if (listener_.received)
                listener_.received(text);
        });
        QObject::connect(&socket_, &QWebSocket::disconnected, [this] { call(listener_.disconnected); });
        QObject::connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error),
                         [this](QAbstractSocket::SocketError) {
                             if (listener_.failed)
                                 listener_.failed(socket_.errorString());
                         });
    }
    ~WebSocketConnection() override
    {
        listener_ = {};
        socket_.abort();
    }

    void setListener(Listener listener) override { listener_ = std::move(listener); }
    void open(const QUrl &server) override { socket_.open(server); }
    void abort() override { socket_.abort(); }
    void close() override { socket_.close(); }
    bool isOpen() const override { return socket_.state() == QAbstractSocket::ConnectedState; }
    void send(const QString &text) override { socket_.sendTextMessage(text); }

private:
    static void call(const std::function<void()> &f)
    {
        if (f)
            f();
    }

    Listener listener_;
    QWebSocket socket_;
};

} // namespace
} // namespace tycora::client

extern "C" Q_DECL_EXPORT tycora::client::Connection *tycoraMakeWebSocketConnection()
{
    return new tycora::client::WebSocketConnection();
}
