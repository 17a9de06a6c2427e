#pragma once

// One player's connection to a game server: hosting or joining a game,
// the lobby, the commands of play, and coming back after a lost
// connection with the token the server gave the seat.

#include "client/connection.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace tycora::client {

// Who sits down: a name, a piece and a colour as the game names them.
struct Seating {
    QString name;
    QString piece;
    QString colour;
};

// What the host chooses for the game: the rules, the options and the pace.
struct TableChoices {
    QString rules = QStringLiteral("Classic");
    bool firstRoundBuying = true;
    bool doubleGoSalary = false;
    bool freeParkingPot = false;
    QString pace = QStringLiteral("Classic");
};

class OnlineClient final : public QObject {
    Q_OBJECT
public:
    explicit OnlineClient(QObject *parent = nullptr);
    ~OnlineClient() override;

    void host(const QUrl &server, const Seating &me, const TableChoices &choices);
    void join(const QUrl &server, const QString &code, const Seating &me);
    // The host's lobby: a computer in the next empty seat; the game begins.
    void addComputer();
    void start();
    // A command of play, such as {"type": "throw"}.
    void send(const QJsonObject &command);
    // Leaves the game for good: no coming back.
    void leave();

    // After a lost connection the seat is asked for again this often.
    void setRetryIntervalMs(int ms) { retry_.setInterval(ms); }
    // Asks for the seat again at once.
    void retryNow();
    // Drops the connection as a failing network would; the seat is then
    // asked for again as after any lost connection.
    void abortConnection();

    const QString &code() const { return code_; }
    int seat() const { return seat_; }
    bool seated() const { return seat_ >= 0; }
    bool lost() const { return lost_; }
    // The game as last sent whole: its seats, rules, options and whether it
    // has started (then its state too).
    const QJsonObject &game() const { return game_; }

signals:
    // The server gave us a seat in the game with the code.
    void joined();
    // The game was sent whole: the lobby changed, it started, or we came back.
    void gameChanged();
    // What the board may offer now, as the server says; told before the
    // game or the events that came with it.
    void movesArrived(const QJsonObject &moves);
    // What the table saw happen, in order, and what it changed in the
    // public state (empty when nothing).
    void eventsArrived(const QJsonArray &events, const QJsonObject &change);
    // The server refused something, or could not be reached.
    void refused(const QString &message);
    void connectionLost();
    void connectionBack();
    // A seat's person left, came back, or a computer plays for them.
    void seatNews(const QString &what, int seat);
    void gameEnded(const QString &by);

private:
    void openWith(const QUrl &server, const QJsonObject &first);
    void received(const QString &text);
    void disconnected();
    void sendNow(const QJsonObject &message);

    void unreachable(const QString &why);

    std::unique_ptr<Connection> connection_;
    QTimer retry_;
    QUrl server_;
    QJsonObject first_;   // sent as soon as the connection opens
    QString code_;
    QString token_;
    int seat_ = -1;
    bool lost_ = false;
    bool leaving_ = false;
    bool wholeGameDue_ = false;   // back after a lost connection, the game not yet sent
    QJsonObject game_;
    QJsonArray waiting_;   // commands given while the connection was lost
};

} // namespace tycora::client
