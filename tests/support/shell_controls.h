#pragma once

// The controls of the windows around the game, found by their object names
// once for a test, as a person finds them by their places. Each lookup
// fails the test at once when the window has no such control.

#include "support/find_control.h"
#include "toolkit/command_button.h"
#include "toolkit/frame.h"
#include "toolkit/image_combo.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace tycora::testing {

// The set-up window's controls.
struct SetUpControls {
    SetUpControls() = default;
    explicit SetUpControls(const QWidget &window)
        : Image1(control<ui::Picture>(window, "Image1")),
          frmPlayerInfo(control<ui::Frame>(window, "frmPlayerInfo")),
          txtName(control<QLineEdit>(window, "txtName")),
          imgcPieces(control<ui::ImageCombo>(window, "imgcPieces")),
          imgcColours(control<ui::ImageCombo>(window, "imgcColours")),
          imgcType(control<ui::ImageCombo>(window, "imgcType")),
          cboLevel(control<QComboBox>(window, "cboLevel")),
          cmdAdd(control<ui::CommandButton>(window, "cmdAdd")),
          lblNameLength(control<ui::Label>(window, "lblNameLength")),
          lblAddHint(control<ui::Label>(window, "lblAddHint")),
          frmPlayerList(control<ui::Frame>(window, "frmPlayerList")),
          lstPlayers(control<ui::ListView>(window, "lstPlayers")),
          cmdEdit(control<ui::CommandButton>(window, "cmdEdit")),
          cmdRemove(control<ui::CommandButton>(window, "cmdRemove")),
          frmOptions(control<ui::Frame>(window, "frmOptions")),
          cmdNext(control<ui::CommandButton>(window, "cmdNext")),
          cmd4Computers(control<ui::CommandButton>(window, "cmd4Computers"))
    {
    }

    ui::Picture *Image1 = nullptr;
    ui::Frame *frmPlayerInfo = nullptr;
    QLineEdit *txtName = nullptr;
    ui::ImageCombo *imgcPieces = nullptr;
    ui::ImageCombo *imgcColours = nullptr;
    ui::ImageCombo *imgcType = nullptr;
    QComboBox *cboLevel = nullptr;
    ui::CommandButton *cmdAdd = nullptr;
    ui::Label *lblNameLength = nullptr;
    ui::Label *lblAddHint = nullptr;
    ui::Frame *frmPlayerList = nullptr;
    ui::ListView *lstPlayers = nullptr;
    ui::CommandButton *cmdEdit = nullptr;
    ui::CommandButton *cmdRemove = nullptr;
    ui::Frame *frmOptions = nullptr;
    ui::CommandButton *cmdNext = nullptr;
    ui::CommandButton *cmd4Computers = nullptr;
};

// The Options frame's controls, in the set-up window or the Online Game
// window's Host page.
struct OptionControls {
    explicit OptionControls(const QWidget &window)
        : chkFirstRoundBuying(control<QCheckBox>(window, "chkFirstRoundBuying")),
          chkDoubleSalary(control<QCheckBox>(window, "chkDoubleSalary")),
          chkFreeParking(control<QCheckBox>(window, "chkFreeParking")),
          lblRules(control<ui::Label>(window, "lblRules")),
          cboRules(control<QComboBox>(window, "cboRules")),
          lblPace(control<ui::Label>(window, "lblPace")),
          cboPace(control<QComboBox>(window, "cboPace")),
          lblSize(control<ui::Label>(window, "lblSize")),
          cboSize(control<QComboBox>(window, "cboSize")),
          lblRulesSummary(control<ui::Label>(window, "lblRulesSummary"))
    {
    }

    QCheckBox *chkFirstRoundBuying;
    QCheckBox *chkDoubleSalary;
    QCheckBox *chkFreeParking;
    ui::Label *lblRules;
    QComboBox *cboRules;
    ui::Label *lblPace;
    QComboBox *cboPace;
    ui::Label *lblSize;
    QComboBox *cboSize;
    ui::Label *lblRulesSummary;
};

// The Online Game window's controls, on all its pages.
struct OnlineControls {
    explicit OnlineControls(const QWidget &window)
        : cmdHost(control<ui::CommandButton>(window, "cmdHost")),
          cmdJoin(control<ui::CommandButton>(window, "cmdJoin")),
          txtServer(control<QLineEdit>(window, "txtServer")),
          txtCode(control<QLineEdit>(window, "txtCode")),
          txtName(control<QLineEdit>(window, "txtName")),
          cboPiece(control<QComboBox>(window, "cboPiece")),
          cboColour(control<QComboBox>(window, "cboColour")),
          cmdGo(control<ui::CommandButton>(window, "cmdGo")),
          cmdBack(control<ui::CommandButton>(window, "cmdBack")),
          lblCode(control<QLabel>(window, "lblCode")),
          lstSeats(control<QListWidget>(window, "lstSeats")),
          cmdAddComputer(control<ui::CommandButton>(window, "cmdAddComputer")),
          cmdStart(control<ui::CommandButton>(window, "cmdStart")),
          lblLobbyNote(control<QLabel>(window, "lblLobbyNote")),
          lblProblem(control<QLabel>(window, "lblProblem")),
          options(window)
    {
    }

    ui::CommandButton *cmdHost;
    ui::CommandButton *cmdJoin;
    QLineEdit *txtServer;
    QLineEdit *txtCode;
    QLineEdit *txtName;
    QComboBox *cboPiece;
    QComboBox *cboColour;
    ui::CommandButton *cmdGo;   // Create Game, or Join Game
    ui::CommandButton *cmdBack;
    QLabel *lblCode;
    QListWidget *lstSeats;
    ui::CommandButton *cmdAddComputer;
    ui::CommandButton *cmdStart;
    QLabel *lblLobbyNote;
    QLabel *lblProblem;
    OptionControls options;
};

// The Load Game window's controls.
struct LoadGameControls {
    explicit LoadGameControls(const QWidget &window)
        : lstGames(control<QTreeWidget>(window, "lstGames")),
          cmdLoad(control<ui::CommandButton>(window, "cmdLoad")),
          cmdOpenFile(control<ui::CommandButton>(window, "cmdOpenFile")),
          cmdCancel(control<ui::CommandButton>(window, "cmdCancel"))
    {
    }

    QTreeWidget *lstGames;
    ui::CommandButton *cmdLoad;
    ui::CommandButton *cmdOpenFile;
    ui::CommandButton *cmdCancel;
};

} // namespace tycora::testing
