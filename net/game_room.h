#pragma once

// One game on the server: its seats, and the one engine that plays it. The
// server alone throws the dice (from a seed that never leaves this object)
// and draws the cards; each player's commands are checked against the turn
// and the rules here before they reach the engine.

#include "game/dice.h"
#include "game/engine.h"
#include "game/event_log.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "game/saved_game.h"
#include "net/net_screen.h"
#include "net/protocol.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace tycora::net {

struct Seat {
    QString name;
    QString piece;
    QString colour;
    bool computer = false;
    QString token;            // proves the seat's person when they come back
    bool connected = false;
    bool standIn = false;     // a computer plays it while its person is away
};

class GameRoom final : public QObject {
public:
    // Sends a message to one seat's player, or to every player (seat -1).
    using Outbox = std::function<void(int seat, const QJsonObject &message)>;

    GameRoom(QString code, Clock &clock, std::uint64_t seed, Outbox outbox);
    ~GameRoom() override;

    const QString &code() const { return code_; }
    bool started() const { return engine_ != nullptr; }
    bool over() const { return ended_ || (engine_ && engine_->phase() == Engine::Phase::Over); }
    const std::vector<Seat> &seats() const { return seats_; }
    const GameState &state() const { return state_; }
    const Engine *engine() const { return engine_.get(); }

    // The lobby. The host chooses the rules, options and pace.
    void setChoices(const GameOptions &options, Pace pace);
    // The new seat's number, or -1 with the reason.
    int addPerson(const QString &name, const QString &piece, const QString &colour, QString *problem);
    int addComputer(QString *problem);
    // Seat of the token, or -1.
    int seatOfToken(const QString &token) const;

    // A command from the player of a seat; empty, or why it was refused (and
    // nothing changed).
    QString command(int seat, const Command &command);

    // The person of the seat has gone, or come back (then they are sent the
    // whole game).
    void seatLeft(int seat);
    void seatReturned(int seat);
    // The grace period is over: a computer plays the seat until its person
    // comes back.
    void standIn(int seat);

    // Everything a joining or returning player needs to draw the game.
    QJsonObject wholeGame() const;

    // Called at every hand-over of the turn, when the game is worth keeping.
    void setSettledAction(std::function<void()> action) { settled_ = std::move(action); }
    // The game as it stands (started, settled), with the dice's position.
    SavedGame capture() const;
    // Goes on with a saved game and its seats, all away until they come back.
    void resumeFrom(const SavedGame &game, std::vector<Seat> seats);

private:
    QString start(int seat);
    QString changePace(int seat, const QJsonValue &name);
    QString playerCommand(int seat, const Command &command);
    int freeChoice(const std::vector<QString> &taken, bool pieces) const;
    void queueEvent(QJsonObject event);
    void flush();
    void sendLobby();
    void createEngine();

    class RoomLog;

    QString code_;
    Clock &clock_;
    Outbox outbox_;
    GameOptions options_;
    Pace pace_ = Pace::Classic;
    std::vector<Seat> seats_;
    GameState state_;
    SeededRandom random_;
    RandomDice dice_;
    std::unique_ptr<RoomLog> log_;
    NetScreen screen_;
    std::unique_ptr<Engine> engine_;
    QJsonArray events_;
    QJsonObject lastState_;   // as last sent
    QJsonObject lastMoves_;   // likewise
    std::vector<Decision> history_;
    std::function<void()> settled_;
    bool flushPosted_ = false;
    bool ended_ = false;
};

} // namespace tycora::net
