#pragma once

// A scripted player: a WebSocket client on 127.0.0.1 that keeps every
// message the server sends it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include <functional>
#include <vector>

namespace tycora::testing {

// Runs the event loop until the condition holds; false when it does not
// within the deadline (network I/O on loopback, never a fixed sleep).
inline bool waitFor(const std::function<bool()> &condition, int deadlineMs = 5000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > deadlineMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

class ScriptClient {
public:
    explicit ScriptClient(quint16 port)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString &text) {
            raw.push_back(text);
            received.push_back(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closed = true; });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(port)));
        waitFor([this] { return socket.state() == QAbstractSocket::ConnectedState; });
    }

    void send(const QJsonObject &message)
    {
        socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }
    void sendText(const QString &text) { socket.sendTextMessage(text); }

    // The messages of a type received since `from`.
    std::vector<QJsonObject> ofType(const QString &type, std::size_t from = 0) const
    {
        std::vector<QJsonObject> found;
        for (std::size_t i = from; i < received.size(); ++i)
            if (received[i].value("type").toString() == type)
                found.push_back(received[i]);
        return found;
    }
    bool waitForType(const QString &type, std::size_t from = 0)
    {
        return waitFor([&] { return !ofType(type, from).empty(); });
    }
    // Every event shown so far, in order.
    std::vector<QJsonObject> events() const
    {
        std::vector<QJsonObject> all;
        for (const QJsonObject &batch : ofType("events"))
            for (const QJsonValue &e : batch.value("events").toArray())
                all.push_back(e.toObject());
        return all;
    }
    std::vector<QString> logLines() const
    {
        std::vector<QString> lines;
        for (const QJsonObject &e : events())
            if (e.value("call").toString() == "log")
                lines.push_back(e.value("line").toString());
        return lines;
    }

    QWebSocket socket;
    std::vector<QJsonObject> received;
    std::vector<QString> raw;
    bool closed = false;
};

} // namespace tycora::testing
