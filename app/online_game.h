#pragma once

// A game played on a game server, with its windows: the Online Game window
// (host or join, and the lobby), then the board, drawn from what the server
// sends and sending the person's moves. It has its own state and Game Log,
// whose lines also go to debug.txt.

#include "app/game_log_feed.h"
#include "client/online_client.h"
#include "client/online_table.h"
#include "game/game_state.h"
#include "ui/shell/quit_confirmation.h"

#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace tycora {
class Clock;
}

namespace tycora::ui {
class CommandButton;
class ConnectionBanner;
class FrmMain;
class FrmOnline;
class MessageBoxes;
} // namespace tycora::ui

namespace tycora::app {

class OnlineGame {
public:
    // The board's animations run on the clock.
    OnlineGame(ui::MessageBoxes &boxes, Clock &clock, EventLog &debugFile, const ui::QuitContext &quit);
    ~OnlineGame();
    OnlineGame(const OnlineGame &) = delete;
    OnlineGame &operator=(const OnlineGame &) = delete;

    // The Online Game window, centred over the given window.
    void open(QWidget *over);
    // Told when the board has taken over from the Online Game window.
    void setStartedAction(std::function<void()> action) { started_ = std::move(action); }

    client::OnlineClient &client() { return client_; }
    client::OnlineTable &table() { return *table_; }
    const GameState &state() const { return state_; }
    ui::FrmOnline *setupWindow() const;
    ui::FrmMain *board() const;
    ui::ConnectionBanner *banner() const { return banner_; }
    // The host's End Game button on the board.
    ui::CommandButton *endButton() const { return endGame_; }
    const std::vector<std::string> &logLines() const { return log_.lines(); }

private:
    void begin();
    void createEndButton();
    // The host asks first, then ends the game for every player.
    void endForAll();
    void ended(const QString &by);
    void showRefusal(const QString &why);

    ui::MessageBoxes &boxes_;
    Clock &clock_;
    client::OnlineClient client_;
    GameState state_;
    GameLogFeed log_;
    QPointer<ui::FrmOnline> setup_;
    QPointer<ui::FrmMain> board_;
    ui::ConnectionBanner *banner_ = nullptr;
    ui::CommandButton *endGame_ = nullptr;   // a child of the board
    std::unique_ptr<client::OnlineTable> table_;
    std::function<void()> started_;
};

} // namespace tycora::app
