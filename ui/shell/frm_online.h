#pragma once

// The Online Game window: host a game on a server (which gives it a
// six-letter join code) or join one with its code, then wait in its lobby.
// The host sees who has joined, puts computers in empty seats and starts
// the game; the board then takes over.

#include "client/online_client.h"
#include "toolkit/form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;

namespace tycora::ui {

class CommandButton;
class OptionsPanel;

class FrmOnline : public Form {
    Q_OBJECT
public:
    static inline const QString DefaultServer = QStringLiteral("ws://127.0.0.1:8765");

    FrmOnline(client::OnlineClient &client, QWidget *over = nullptr);
    // Opens centred over the window it was opened from.
    void open();

    bool hosting() const { return hosting_; }
    // Why the seat as typed cannot be taken; empty when it can.
    QString seatProblem() const;

private:
    // The first page: what the player wants to do.
    CommandButton *cmdHost = nullptr;
    CommandButton *cmdJoin = nullptr;
    // The player's seat, on the Host and Join pages alike.
    QLineEdit *txtServer = nullptr;
    QLineEdit *txtCode = nullptr;
    QLineEdit *txtName = nullptr;
    QComboBox *cboPiece = nullptr;
    QComboBox *cboColour = nullptr;
    OptionsPanel *optionsPanel = nullptr;
    CommandButton *cmdGo = nullptr;     // Create Game, or Join Game
    CommandButton *cmdBack = nullptr;
    // The lobby.
    QLabel *lblCode = nullptr;
    QListWidget *lstSeats = nullptr;
    CommandButton *cmdAddComputer = nullptr;
    CommandButton *cmdStart = nullptr;
    QLabel *lblLobbyNote = nullptr;
    // What went wrong last, on every page.
    QLabel *lblProblem = nullptr;

    void showChoice(bool hosting);
    void go();
    void showLobby();
    void showProblem(const QString &problem);

    client::OnlineClient &client_;
    QWidget *over_;
    QStackedWidget *pages_ = nullptr;
    QWidget *seatPage_ = nullptr;
    QWidget *lobbyPage_ = nullptr;
    QWidget *codeRow_ = nullptr;
    QWidget *optionsFrame_ = nullptr;
    bool hosting_ = true;
};

} // namespace tycora::ui
