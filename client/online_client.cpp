#include "client/online_client.h"

#include <QJsonDocument>

#include <utility>

namespace tycora::client {

namespace {
constexpr int RetryIntervalMs = 2000;

QJsonObject seatingMessage(const char *type, const Seating &me)
{
    return {{"type", type}, {"name", me.name}, {"piece", me.piece}, {"colour", me.colour}};
}
} // namespace

OnlineClient::OnlineClient(QObject *parent) : QObject(parent)
{
    retry_.setInterval(RetryIntervalMs);
    connect(&retry_, &QTimer::timeout, this, &OnlineClient::retryNow);
    connect(&socket_, &QWebSocket::connected, this, [this] {
        if (!first_.isEmpty())
            sendNow(first_);
    });
    connect(&socket_, &QWebSocket::textMessageReceived, this, &OnlineClient::received);
    connect(&socket_, &QWebSocket::disconnected, this, &OnlineClient::disconnected);
    connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this, [this](QAbstractSocket::SocketError) {
        // Never seated: there is nothing to come back to.
        if (!leaving_ && token_.isEmpty() && !first_.isEmpty()) {
            first_ = {};
            emit refused(QStringLiteral("cannot reach the server %1 (%2)").arg(server_.toString(), socket_.errorString()));
        }
    });
}

OnlineClient::~OnlineClient()
{
    leaving_ = true;
    socket_.abort();
}

void OnlineClient::openWith(const QUrl &server, const QJsonObject &first)
{
    server_ = server;
    first_ = first;
    leaving_ = false;
    socket_.abort();
    socket_.open(server);
}

void OnlineClient::host(const QUrl &server, const Seating &me, const TableChoices &choices)
{
    QJsonObject message = seatingMessage("host", me);
    message.insert("rules", choices.rules);
    message.insert("pace", choices.pace);
    message.insert("options", QJsonObject{{"firstRoundBuying", choices.firstRoundBuying},
                                          {"doubleGoSalary", choices.doubleGoSalary},
                                          {"freeParkingPot", choices.freeParkingPot}});
    openWith(server, message);
}

void OnlineClient::join(const QUrl &server, const QString &code, const Seating &me)
{
    QJsonObject message = seatingMessage("join", me);
    message.insert("code", code.trimmed().toUpper());
    openWith(server, message);
}

void OnlineClient::addComputer() { send({{"type", "addComputer"}}); }

void OnlineClient::start() { send({{"type", "start"}}); }

void OnlineClient::send(const QJsonObject &command)
{
    // What the person does while the connection is lost goes once the seat
    // is back; the server refuses it if the moment has passed.
    if (lost_)
        waiting_.append(command);
    else if (socket_.state() == QAbstractSocket::ConnectedState)
        sendNow(command);
}

void OnlineClient::sendNow(const QJsonObject &message)
{
    socket_.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void OnlineClient::leave()
{
    leaving_ = true;
    retry_.stop();
    socket_.close();
}

void OnlineClient::abortConnection()
{
    socket_.abort();
    // An abort may pass without a word from the socket.
    if (!lost_)
        disconnected();
}

void OnlineClient::retryNow()
{
    if (!lost_ || token_.isEmpty())
        return;
    first_ = {{"type", "rejoin"}, {"code", code_}, {"token", token_}};
    socket_.abort();
    socket_.open(server_);
}

void OnlineClient::received(const QString &text)
{
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString type = message.value("type").toString();
    if (type == "joined") {
        code_ = message.value("code").toString();
        seat_ = message.value("seat").toInt(-1);
        token_ = message.value("token").toString();
        first_ = {};
        if (lost_) {
            lost_ = false;
            retry_.stop();
            emit connectionBack();
            for (const QJsonValue &command : std::exchange(waiting_, {}))
                sendNow(command.toObject());
        } else {
            emit joined();
        }
    } else if (type == "game") {
        game_ = message;
        if (message.contains("moves"))
            emit movesArrived(message.value("moves").toObject());
        emit gameChanged();
    } else if (type == "events") {
        if (message.contains("moves"))
            emit movesArrived(message.value("moves").toObject());
        emit eventsArrived(message.value("events").toArray(), message.value("state").toObject());
    } else if (type == "error") {
        emit refused(message.value("message").toString());
    } else if (type == "ended") {
        emit gameEnded(message.value("by").toString());
    } else if (type == "seatLeft" || type == "seatReturned" || type == "standIn") {
        emit seatNews(type, message.value("seat").toInt(-1));
    }
}

void OnlineClient::disconnected()
{
    if (leaving_)
        return;
    if (token_.isEmpty())
        return;
    if (!lost_) {
        lost_ = true;
        emit connectionLost();
    }
    if (!retry_.isActive())
        retry_.start();
}

} // namespace tycora::client
