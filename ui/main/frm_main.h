#pragma once

// The playing window: the board of 40 squares, the players' column, the two
// pop-up cards, the dice, the button row and the status line. It holds no
// rules: its handlers pass every click, tick and mouse move on to the turn
// engine or to the presentation procedures of MainScreen.

#include "ui/shell/quit_confirmation.h"
#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"

#include <memory>

class QMenu;
class QAction;

namespace tycora {
class Engine;
struct GameState;
} // namespace tycora

namespace tycora::ui {

class CommandButton;
class Frame;
class Label;
class MainScreen;
class MessageBoxes;
class Picture;
class Shape;

class FrmMain : public Form {
    Q_OBJECT
public:
    FrmMain(GameState &state, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~FrmMain() override;

    MainScreen &screen() { return *screen_; }
    GameState &state() { return state_; }
    MessageBoxes &boxes() { return boxes_; }
    void setEngine(Engine *engine) { engine_ = engine; }
    void setQuitContext(const QuitContext &context) { quitContext_ = context; }

    // Set once a mouse move has shown the deed card; from then on the
    // background hides it again.
    bool booPropertyShown = false;

    // The board.
    ControlArray<Picture> imgBoard;
    Picture *Image6 = nullptr;
    ControlArray<Picture> imgSquare;
    ControlArray<Picture> imgStats;
    ControlArray<Picture> imgInfo;
    ControlArray<Shape> shpOwner;
    ControlArray<Picture> imgHouse1, imgHouse2, imgHouse3, imgHouse4, imgHotel;
    ControlArray<Picture> imgMortgaged;
    Picture *imgBuildingHouse = nullptr;
    Picture *imgBuildingHotel = nullptr;
    Picture *imgMortgageTop = nullptr;
    Picture *imgMortgageBottom = nullptr;

    // The players' column.
    Frame *frmPlayers = nullptr;
    ControlArray<Frame> frmPlayerInfo;
    ControlArray<Picture> imgPlayerInfoType;
    ControlArray<Picture> imgPlayerInfoPiece;
    ControlArray<Label> lblPlayerInfoMoney;
    ControlArray<Shape> shpPlayerInfo;
    ControlArray<Picture> imgMini0, imgMini1, imgMini2, imgMini3;
    // The mini deeds of panel 0..3; an empty array for any other panel.
    const ControlArray<Picture> &imgMini(int player) const;
    // The house slots of house 1..4; imgHotel for 5.
    const ControlArray<Picture> &buildingSlots(int house) const;

    // Hidden pictures that others copy from.
    Picture *imgTypeHuman = nullptr;
    Picture *imgTypeComputer = nullptr;
    Picture *imgMiniTemp = nullptr;
    Picture *imgMiniStationOwned = nullptr, *imgMiniStationEmpty = nullptr;
    Picture *imgMiniElectricOwned = nullptr, *imgMiniElectricEmpty = nullptr;
    Picture *imgMiniWaterOwned = nullptr, *imgMiniWaterEmpty = nullptr;

    // The deed card.
    Frame *frmProperty = nullptr;
    Shape *shpTitle = nullptr, *shpBorder = nullptr;
    Label *lblWhere = nullptr, *lblTitleRent = nullptr;
    Label *lblRent = nullptr, *lblRent1House = nullptr, *lblRent2Houses = nullptr;
    Label *lblRent3Houses = nullptr, *lblRent4Houses = nullptr, *lblRentHotel = nullptr;
    Label *lblHouse = nullptr, *lblHotel = nullptr, *lblMorgage = nullptr;
    Label *lblDescRent1House = nullptr, *lblDescRent2Houses = nullptr, *lblDescRent3Houses = nullptr;
    Label *lblDescRent4Houses = nullptr, *lblDescRentHotel = nullptr;
    Label *lblDescHouse = nullptr, *lblDescHotel = nullptr, *lblDescMorgage = nullptr;

    // The statistics card.
    Frame *frmStats = nullptr;
    Shape *shpStatsTitle = nullptr, *shpStatsBorder = nullptr;
    Label *lblStatsWhere = nullptr, *lblStatsTitle = nullptr;
    Label *lblStatsCurrent = nullptr, *lblStatsAverage = nullptr, *lblStatsLanded = nullptr, *lblStatsTotal = nullptr;
    Label *lblStatsDescCurrent = nullptr, *lblStatsDescAverage = nullptr;
    Label *lblStatsDescLanded = nullptr, *lblStatsDescTotal = nullptr;

    Picture *imgCard = nullptr;

    // The middle of the board.
    CommandButton *cmdRoll = nullptr;
    CommandButton *cmdBuild = nullptr;
    CommandButton *cmdSell = nullptr;
    CommandButton *cmdMorgage = nullptr;
    CommandButton *cmdUnmorgage = nullptr;
    Frame *Frame1 = nullptr;
    Shape *shpDice1 = nullptr, *shpDice2 = nullptr;
    ControlArray<Shape> shpDice1Dot, shpDice2Dot;
    Label *lblDiceRoll = nullptr;
    Label *lblStatus = nullptr;
    Label *lblCurrentPlayer = nullptr;
    Label *lblCurrentPlayerName = nullptr;
    Shape *shpCurrent = nullptr;

    // The game menu exists but is never shown and does nothing.
    QMenu *mnugame = nullptr;
    QAction *mnugamenew = nullptr, *mnugamesave = nullptr, *mnugameload = nullptr;

    // The handlers, public so tests can call them as the window does.
    void cmdRoll_Click();
    void cmdMorgage_Click();
    void imgInfo_MouseMove(int index);
    void imgMini_MouseMove(int player, int index);
    void imgStats_MouseMove(int index);
    void Form_MouseMove();
    void frmPlayerInfo_MouseMove(int index);

protected:
    bool queryUnload(CloseReason reason) override;

private:
    void createBoard();
    void createBuildingSlots();
    void createPlayerColumn();
    void createPlayerPanel(int slot);
    void createDeedCard();
    void createStatsCard();
    void createMiddle();
    void createDice();
    void createSourcePictures();
    void createMenu();
    void connectHandlers();
    void connectKeyboard();

    GameState &state_;
    MessageBoxes &boxes_;
    Engine *engine_ = nullptr;
    QuitContext quitContext_;
    std::unique_ptr<MainScreen> screen_;
};

} // namespace tycora::ui
