#include "ui/main/frm_main.h"

#include "game/engine.h"
#include "game/game_state.h"
#include "ui/main/main_screen.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/twips.h"

#include <QShortcut>

namespace tycora::ui {

namespace {
const QString MainCaption = QStringLiteral("Tycora by Varnoth");
}

FrmMain::FrmMain(GameState &state, MessageBoxes &boxes, QWidget *parent)
    : Form(parent), state_(state), boxes_(boxes)
{
    setWindowTitle(MainCaption);
    setClientSizeTwips(15345, 11070);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    // Creation order is stacking order: the board at the bottom, pieces and
    // buildings on it, the hot-spots above them, and the framed panels and
    // cards on top, as windowed controls lie over pictures.
    createBoard();
    createBuildingSlots();
    createSourcePictures();
    createMiddle();
    createDice();
    createPlayerColumn();
    createDeedCard();
    createStatsCard();
    createMenu();

    screen_ = std::make_unique<MainScreen>(*this);
    connectHandlers();
    connectKeyboard();
}

FrmMain::~FrmMain() = default;

const ControlArray<Picture> &FrmMain::imgMini(int player) const
{
    static const ControlArray<Picture> none;
    switch (player) {
    case 0: return imgMini0;
    case 1: return imgMini1;
    case 2: return imgMini2;
    case 3: return imgMini3;
    default: return none;
    }
}

const ControlArray<Picture> &FrmMain::buildingSlots(int house) const
{
    static const ControlArray<Picture> none;
    switch (house) {
    case 1: return imgHouse1;
    case 2: return imgHouse2;
    case 3: return imgHouse3;
    case 4: return imgHouse4;
    case 5: return imgHotel;
    default: return none;
    }
}

void FrmMain::connectHandlers()
{
    connect(cmdRoll, &QPushButton::clicked, this, &FrmMain::cmdRoll_Click);
    connect(cmdMorgage, &QPushButton::clicked, this, &FrmMain::cmdMorgage_Click);
    connect(this, &Form::backgroundMouseMoved, this, &FrmMain::Form_MouseMove);
    imgInfo.forEach([this](int, Picture *p) { connect(p, &Picture::mouseMoved, this, &FrmMain::imgInfo_MouseMove); });
    imgStats.forEach([this](int, Picture *p) { connect(p, &Picture::mouseMoved, this, &FrmMain::imgStats_MouseMove); });
    for (int player = 0; player < MaxPlayers; ++player) {
        imgMini(player).forEach([this, player](int, Picture *p) {
            connect(p, &Picture::mouseMoved, this, [this, player](int square) { imgMini_MouseMove(player, square); });
        });
    }
    frmPlayerInfo.forEach([this](int, Frame *f) { connect(f, &Frame::mouseMoved, this, &FrmMain::frmPlayerInfo_MouseMove); });
}

void FrmMain::connectKeyboard()
{
    // Space and Enter throw the dice whenever the button could be pressed,
    // wherever the keyboard focus is.
    for (const int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (cmdRoll->isEnabled() && cmdRoll->isVisible())
                cmdRoll->click();
        });
    }
}

void FrmMain::cmdRoll_Click()
{
    if (engine_)
        engine_->rollDice(state_.CurrentPlayer);
}

void FrmMain::cmdMorgage_Click()
{
    if (engine_)
        engine_->showMortgageValue(8);
}

void FrmMain::imgInfo_MouseMove(int index)
{
    screen_->showPropertyCard(index);
    frmProperty->show();
    frmProperty->raise();
    booPropertyShown = true;
}

void FrmMain::imgMini_MouseMove(int, int index) { imgInfo_MouseMove(index); }

void FrmMain::imgStats_MouseMove(int index)
{
    screen_->showStatsCard(index);
    frmStats->show();
    frmStats->raise();
}

void FrmMain::Form_MouseMove()
{
    if (booPropertyShown)
        frmProperty->hide();
    frmStats->hide();
}

void FrmMain::frmPlayerInfo_MouseMove(int)
{
    if (booPropertyShown)
        frmProperty->hide();
}

bool FrmMain::queryUnload(CloseReason reason) { return quitCancelled(reason, this, quitContext_); }

} // namespace tycora::ui
