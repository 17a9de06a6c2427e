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

OnlineClient::OnlineClient(QObject *parent) : QObject(parent), connection_(makeConnection())
{
    retry_.setInterval(RetryIntervalMs);
    connect(&retry_, &QTimer::timeout, this, &OnlineClient::retryNow);
    connection_->setListener({.connected =
                                  [this] {
                                      if (!first_.isEmpty())
                                          sendNow(first_);
                                  },
                              .received = [this](const QString &text) { received(text); },
                              .disconnected = [this] { disconnected(); },
                              .failed = [this](const QString &why) { unreachable(why); }});
}

OnlineClient::~OnlineClient()
{
    leaving_ = true;
    connection_->setListener({});
    connection_->abort();
}

void OnlineClient::unreachable(const QString &why)
{
    // Never seated: there is nothing to come back to.
    if (!leaving_ && token_.isEmpty() && !first_.isEmpty()) {
        first_ = {};
        emit refused(QStringLiteral("cannot reach the server %1 (%2)").arg(server_.toString(), why));
    }
}

void OnlineClient::openWith(const QUrl &server, const QJsonObject &first)
{
    server_ = server;
    first_ = first;
    leaving_ = false;
    connection_->abort();
    connection_->open(server);
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
    else if (connection_->isOpen())
        sendNow(command);
}

void OnlineClient::sendNow(const QJsonObject &message)
{
    connection_->send(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

void OnlineClient::leave()
{
    leaving_ = true;
    retry_.stop();
    connection_->close();
}

void OnlineClient::abortConnection()
{
    connection_->abort();
    // An abort may pass without a word from the socket.
    if (!lost_)
        disconnected();
}

void OnlineClient::retryNow()
{
    if (!lost_ || token_.isEmpty())
        return;
    first_ = {{"type", "rejoin"}, {"code", code_}, {"token", token_}};
    connection_->abort();
    connection_->open(server_);
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
            // What happened while away comes whole with the game; events
            // before it would be shown on the state as it was left.
            wholeGameDue_ = true;
            retry_.stop();
            emit connectionBack();
            for (const QJsonValue &command : std::exchange(waiting_, {}))
                sendNow(command.toObject());
        } else {
            emit joined();
        }
    } else if (type == "game") {
        wholeGameDue_ = false;
        game_ = message;
        if (message.contains("moves"))
            emit movesArrived(message.value("moves").toObject());
        emit gameChanged();
    } else if (type == "events") {
        if (wholeGameDue_)
            return;
        if (message.contains("moves"))
            emit movesArrived(message.value("moves").toObject());
        emit eventsArrived(message.value("events").toArray(), message.value("change").toObject());
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
