#pragma once

// The player set-up window: two to four players are entered one at a time,
// each with a name, a piece, a colour and a type, and each becomes a row of
// the list and a filled player record at once. "Next  >>" starts the game.

#include "ui/shell/quit_confirmation.h"
#include "ui/toolkit/form.h"

#include <functional>
#include <vector>

class QLineEdit;

namespace tycora {
class EventLog;
struct GameState;
struct NewPlayer;
} // namespace tycora

namespace tycora::ui {

class CommandButton;
class Frame;
class ImageCombo;
class Label;
class ListView;
class MessageBoxes;
class OptionsPanel;
class Picture;

class FrmPlayers : public Form {
    Q_OBJECT
public:
    FrmPlayers(GameState &state, EventLog &log, MessageBoxes &boxes, QWidget *parent = nullptr);

    // What "Next  >>" does before this window goes away: the board, the
    // first turn, the player panels and the main window.
    void setStartGameAction(std::function<void()> action) { startGameAction_ = std::move(action); }
    void setQuitContext(const QuitContext &context) { quitContext_ = context; }

    // The four column headers of the player list.
    void setupPlayerColumns();
    void attachImageLists();
    void fillPieceCombo();
    void fillColourCombo();
    void fillTypeCombo();
    // Turns the current entry into the next player.
    void addPlayer();
    // Forgets the three picks and disables "Add Player"; the name flag stays.
    void resetPlayerCheck();

    // The players in the table, in order; and the table filled with players
    // instead (a new game's set-up starts from the last game's players).
    std::vector<NewPlayer> listedPlayers() const;
    void listPlayers(const std::vector<NewPlayer> &players);

    Picture *Image1 = nullptr;
    Frame *frmPlayerInfo = nullptr;
    QLineEdit *txtName = nullptr;
    ImageCombo *imgcPieces = nullptr;
    ImageCombo *imgcColours = nullptr;
    ImageCombo *imgcType = nullptr;
    CommandButton *cmdAdd = nullptr;
    // Under the name box: how many of the name's characters are used.
    Label *lblNameLength = nullptr;
    // Between the type combo and "Add Player": why the button is off.
    Label *lblAddHint = nullptr;
    Frame *frmPlayerList = nullptr;
    ListView *lstPlayers = nullptr;
    CommandButton *cmdEdit = nullptr;
    CommandButton *cmdRemove = nullptr;
    Frame *frmOptions = nullptr;
    // Inside frmOptions: the house options, the rule set and the pace.
    OptionsPanel *optionsPanel = nullptr;
    CommandButton *cmdNext = nullptr;
    CommandButton *cmd4Computers = nullptr;

    // The entry flags: the name clashes with no listed player, and an entry
    // has been picked in each combo.
    bool nameValid = false;
    bool pieceChosen = false;
    bool colourChosen = false;
    bool typeChosen = false;
    // Players added so far, and the index of the next one.
    int playersAdded = 0;

protected:
    bool queryUnload(CloseReason reason) override;

private:
    void createControls();
    void connectHandlers();
    void Form_Load();

    void checkPlayer();
    void checkName();
    // What keeps "Add Player" off, in a few words; empty when it is on or
    // when the table is full.
    QString addHint() const;
    void showAddHint();
    void showNameLength();

    void txtName_Change();
    void imgcPieces_Click();
    void imgcColours_Click();
    void imgcType_Click();
    void cmdAdd_Click();
    void cmd4Computers_Click();
    void cmdNext_Click();
    // The selected row: Edit takes its player back into the entry boxes,
    // to be put back in its place with "Add Player"; Remove drops it.
    void cmdEdit_Click();
    void cmdRemove_Click();
    void lstPlayers_SelectionChanged();
    int selectedRow() const;   // 0-based; -1 without a selection

    GameState &state_;
    EventLog &log_;
    MessageBoxes &boxes_;
    std::function<void()> startGameAction_;
    int editedRow_ = -1;   // where the player taken back with Edit goes back to
    QuitContext quitContext_;
};

} // namespace tycora::ui
