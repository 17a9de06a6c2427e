#pragma once

// A game played on a server, drawn on this machine's screen: the events
// every player's window is sent become the same calls on the Screen that a
// game on this machine makes, the state follows the server's, and the
// questions put to this seat are asked here and answered to the server.
// The person's own moves go back as commands.

#include "client/online_client.h"
#include "client/remote_moves.h"
#include "game/event_log.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "game/player_commands.h"
#include "game/player_controller.h"
#include "game/screen.h"

#include <QObject>

#include <functional>

namespace tycora::client {

class OnlineTable final : public QObject, public PlayerCommands {
public:
    OnlineTable(OnlineClient &client, GameState &state, Screen &screen, EventLog &log);

    // Told once the game begins, its players in the state: the windows lay
    // out the players' panels and show the board. The board is then drawn.
    void setStartedAction(std::function<void()> action) { started_ = std::move(action); }
    bool started() const { return begun_; }
    // Told at the start of the game, after every hand-over of the turn and
    // when a player has won: when a history of the game takes its samples.
    void setHandOverAction(std::function<void()> action) { handOver_ = std::move(action); }
    // Told when the host has set another pace.
    void setPaceChangedAction(std::function<void(Pace)> action) { paceChanged_ = std::move(action); }
    const GameOptions &options() const { return options_; }
    Pace pace() const { return pace_; }
    // Asks the server for the pace after this one; only the host's is taken.
    void askForNextPace();
    // The winner, once the game is over; -1 until then.
    int winner() const { return winner_; }

    // What the board may offer this seat's person now.
    const OpenMoves &moves() const { return moves_; }

    void rollDice(int player) override;
    void build(int player, int square) override;
    void sellBuilding(int player, int square) override;
    void mortgage(int player, int square) override;
    void unmortgage(int player, int square) override;
    void declareBankruptcy(int player) override;
    void proposeTrade(const TradeOffer &offer) override;

private:
    void gameSent();
    void eventsSent(const QJsonArray &events, const QJsonObject &change);
    void show(const QJsonObject &event);
    bool mine(const QJsonObject &event) const;
    void showActions();
    void askTrade(const QJsonObject &event);
    void showLastThrow(const QJsonObject &game);
    void deedCommand(const char *type, int square);

    OnlineClient &client_;
    GameState &state_;
    Screen &screen_;
    EventLog &log_;
    std::function<void()> started_;
    std::function<void()> handOver_;
    std::function<void(Pace)> paceChanged_;
    bool begun_ = false;
    GameOptions options_;
    Pace pace_ = Pace::Classic;
    Auction auction_;   // as last shown
    RemoteMoves moves_;
    int winner_ = -1;
};

} // namespace tycora::client
