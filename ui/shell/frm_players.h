#pragma once

// The player set-up window: two to four players are entered one at a time,
// each with a name, a piece, a colour and a type (and under the Full rules a
// computer's level), and each becomes a row of the list and a filled player
// record at once. "Next  >>" starts the game.

#include "game/computer_level.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/pace.h"
#include "ui/shell/quit_confirmation.h"
#include "toolkit/form.h"

#include <array>
#include <functional>
#include <vector>

class QComboBox;
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

    // The level offered for each seat's computer under the Full rules: as
    // remembered from the last game at first, then as chosen here.
    using SeatLevels = std::array<ComputerLevel, MaxPlayers>;
    void setSeatLevels(const SeatLevels &levels);
    SeatLevels seatLevels() const { return seatLevels_; }

    // The choices of the Options frame: the house options, the rule set,
    // the pace and the size of the windows (in percent).
    GameOptions options() const;
    Pace pace() const;
    int windowScale() const;
    void setChoices(const GameOptions &options, Pace pace);
    void setWindowScale(int percent);

protected:
    bool queryUnload(CloseReason reason) override;

private:
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

    // The level choice beside the type, and the list's Level column, are
    // there under the Full rules only.
    void createLevelChoice();
    void addLevelColumn();
    bool fullRules() const;
    void showLevelChoice();
    void showEntryLevel();
    int entrySeat() const;   // the seat the entry boxes fill
    ComputerLevel entryLevel() const;
    void setEntryLevel(ComputerLevel level);
    // The player the entry boxes hold, a computer with the chosen level.
    NewPlayer enteredPlayer() const;
    // A listed computer's level in its row, remembered for its seat.
    void listLevel(int row, int seat, const NewPlayer &player);
    ComputerLevel listedLevel(int row) const;
    void cboLevel_Click();

    GameState &state_;
    EventLog &log_;
    MessageBoxes &boxes_;
    std::function<void()> startGameAction_;
    int editedRow_ = -1;   // where the player taken back with Edit goes back to
    QuitContext quitContext_;
    QComboBox *cboLevel_ = nullptr;
    int typeComboWidth_ = 0;   // in pixels, under the Classic rules
    SeatLevels seatLevels_{ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Normal, ComputerLevel::Normal};
};

} // namespace tycora::ui
