#include "ui/main/frm_main.h"

#include "game/board.h"
#include "game/engine.h"
#include "game/engine_commands.h"
#include "game/game_state.h"
#include "game/player_commands.h"
#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/chart_views.h"
#include "ui/main/control_names.h"
#include "ui/main/deed_actions.h"
#include "ui/main/deed_card.h"
#include "ui/main/dice_view.h"
#include "ui/main/game_log_window.h"
#include "ui/main/main_screen.h"
#include "ui/main/main_views.h"
#include "ui/main/pinned_cards.h"
#include "ui/main/players_column.h"
#include "ui/main/statistics_window.h"
#include "ui/main/stats_card.h"
#include "ui/main/trade_control.h"
#include "ui/main/winner_window.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QMenu>
#include <QShortcut>


namespace tycora::ui {

namespace {
const QString MainCaption = QStringLiteral("Tycora by Varnoth");
} // namespace

FrmMain::FrmMain(const GameState &state, MessageBoxes &boxes, QWidget *parent) : Form(parent), state_(state)
{
    setWindowTitle(MainCaption);
    // The board has one size: it can be moved and minimised, not maximised.
    setClientSizeTwips(WidthTwips, HeightTwips);
    setFixedSizeWindow();
    centreOnScreen();
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    views_ = std::make_unique<MainViews>(this);
    createMenu();
    createGameLog();
    createStatistics();

    screen_ = std::make_unique<MainScreen>(state, *views_, boxes, *this);
    deedActions_ = std::make_unique<DeedActions>(state, boxes, *this);
    winnerWindow_ = new WinnerWindow(this);
    screen_->setWinnerWindow(winnerWindow_);
    pins_ = std::make_unique<PinnedCards>(*this, *views_, *screen_, state);
    trade_ = new TradeControl(*this, state);
    screen_->onGameDeedCard([this](bool visible) { pins_->gameSetDeed(visible); });
    connectHandlers();
    connectKeyboard();
}

FrmMain::~FrmMain() = default;

void FrmMain::showEvent(QShowEvent *event)
{
    // Once shown, the window knows its frame, which is what is centred.
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen();
    }
    Form::showEvent(event);
}

void FrmMain::createMenu()
{
    // The game menu is never shown; its Save and Load do what Ctrl+S and
    // Ctrl+O do (the save control answers them).
    auto *game = named(new QMenu(tr("&Game"), this), QStringLiteral("mnugame"));
    named(game->addAction(tr("&New")), QStringLiteral("mnugamenew"));
    named(game->addAction(tr("&Save")), QStringLiteral("mnugamesave"));
    named(game->addAction(tr("&Load")), QStringLiteral("mnugameload"));
    game->menuAction()->setVisible(false);
}

void FrmMain::createGameLog()
{
    gameLog_ = new GameLogWindow(state_, this);
    gameLog_->setCovered(QRect(px(240), px(255), px(10530), px(10530)), &views_->players);
    // A small button in the free corner under the cards; it never takes
    // the keyboard from the board.
    auto *open = named(new CommandButton(tr("Game Log (L)"), this), QStringLiteral("cmdGameLog"));
    open->setFont(tahoma(8.25));
    open->setFocusPolicy(Qt::NoFocus);
    open->setToolTip(tr("Every event of the game as it happens (L opens and closes it)"));
    place(open, 13545, 10575, 1305, 270);
    connect(open, &QPushButton::clicked, gameLog_, &GameLogWindow::toggle);
}

void FrmMain::createStatistics()
{
    statistics_ = new StatisticsWindow(state_, this);
    // Beside the Game Log button, in the same free corner.
    auto *open = named(new CommandButton(tr("Statistics (G)"), this), QStringLiteral("cmdStatistics"));
    open->setFont(tahoma(8.25));
    open->setFocusPolicy(Qt::NoFocus);
    open->setToolTip(tr("Net worth over the game, a heat map of the board and the rent (G opens and closes it)"));
    place(open, 12180, 10575, 1305, 270);
    connect(open, &QPushButton::clicked, statistics_, &StatisticsWindow::toggle);
}

void FrmMain::sampleStatistics()
{
    statistics_->sample();
    if (engine_ && engine_->phase() == Engine::Phase::Over)
        winnerWindow_->showChart(netWorthChart(state_, statistics_->history(), false));
}

void FrmMain::connectHandlers()
{
    connect(&views_->buttons, &ButtonRow::rollClicked, this, &FrmMain::cmdRoll_Click);
    connect(&views_->buttons, &ButtonRow::mortgageClicked, this, &FrmMain::cmdMorgage_Click);
    connect(&views_->buttons, &ButtonRow::buildClicked, this, &FrmMain::cmdBuild_Click);
    connect(&views_->buttons, &ButtonRow::sellClicked, this, &FrmMain::cmdSell_Click);
    connect(&views_->buttons, &ButtonRow::unmortgageClicked, this, &FrmMain::cmdUnmorgage_Click);
    connect(&views_->buttons, &ButtonRow::bankruptcyClicked, this, &FrmMain::cmdBankrupt_Click);
    connect(&views_->buttons, &ButtonRow::actionsShown, deedActions_.get(), &DeedActions::refresh);
    connect(&views_->buttons, &ButtonRow::actionsShown, trade_, &TradeControl::refresh);
    connect(winnerWindow_, &WinnerWindow::newGameClicked, this, [this] {
        winnerWindow_->hide();
        if (newGameAction_)
            newGameAction_();
    });
    connect(winnerWindow_, &WinnerWindow::quitClicked, this, [this] {
        if (quitAction_)
            quitAction_();
    });
    connect(this, &Form::backgroundMouseMoved, this, &FrmMain::Form_MouseMove);
    connect(&views_->board, &BoardView::infoHovered, this, &FrmMain::imgInfo_MouseMove);
    connect(&views_->board, &BoardView::statsHovered, this, &FrmMain::imgStats_MouseMove);
    connect(&views_->players, &PlayersColumn::miniHovered, this, &FrmMain::imgMini_MouseMove);
    connect(&views_->players, &PlayersColumn::panelHovered, this, &FrmMain::frmPlayerInfo_MouseMove);
    using Kind = CardChoice::Kind;
    connect(&views_->board, &BoardView::infoClicked, this, [this](int n) { pins_->pin({Kind::Deed, n}); });
    connect(&views_->board, &BoardView::statsClicked, this, [this](int n) { pins_->pin({Kind::Stats, n}); });
    connect(&views_->players, &PlayersColumn::miniClicked, this, [this](int, int n) { pins_->pin({Kind::Deed, n}); });
}

void FrmMain::connectKeyboard()
{
    // Space and Enter throw the dice whenever the button could be pressed,
    // wherever the keyboard focus is.
    for (const int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, &views_->buttons, &ButtonRow::pressRollFromKeyboard);
    }
    auto *pace = new QShortcut(QKeySequence(Qt::Key_P), this);
    connect(pace, &QShortcut::activated, this, &FrmMain::nextPace_Key);
    // Where a player looking for a faster game hovers.
    views_->dice.setToolTip(tr("Press P to change the pace: Classic, Fast, Instant"));
    // The arrows walk a card round the board; Escape puts it away.
    const auto onKey = [this](int key, auto action) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, action);
    };
    onKey(Qt::Key_Right, [this] { pins_->arrow(1, 0); });
    onKey(Qt::Key_Left, [this] { pins_->arrow(-1, 0); });
    onKey(Qt::Key_Up, [this] { pins_->arrow(0, -1); });
    onKey(Qt::Key_Down, [this] { pins_->arrow(0, 1); });
    onKey(Qt::Key_Escape, [this] { pins_->unpin(); });
    onKey(Qt::Key_L, [this] { gameLog_->toggle(); });
    onKey(Qt::Key_G, [this] { statistics_->toggle(); });
}

void FrmMain::setEngine(Engine *engine)
{
    engine_ = engine;
    engineCommands_ = engine ? std::make_unique<EngineCommands>(*engine) : nullptr;
    screen_->setEngine(engine);
    setCommands(engineCommands_.get(), engineCommands_.get());
    if (engine)
        engine->setHandOverObserver([this] { sampleStatistics(); });
}

void FrmMain::setCommands(PlayerCommands *commands, const OpenMoves *moves)
{
    commands_ = commands;
    moves_ = commands ? moves : nullptr;
    deedActions_->setCommands(commands_, moves_);
    trade_->setCommands(commands_, moves_);
}

void FrmMain::setMortgageWindow(FrmMortgage *window) { deedActions_->setMortgageWindow(window); }

void FrmMain::setGameEndActions(std::function<void()> newGame, std::function<void()> quit)
{
    newGameAction_ = std::move(newGame);
    quitAction_ = std::move(quit);
}

void FrmMain::setSquareTooltip(int square, const QString &text) { views_->board.setSquareTooltip(square, text); }

bool FrmMain::rollEnabled() const { return views_->buttons.rollEnabled(); }

void FrmMain::pressRoll() { views_->buttons.pressRoll(); }

void FrmMain::cmdRoll_Click()
{
    if (commands_)
        commands_->rollDice(state_.CurrentPlayer);
}

void FrmMain::cmdMorgage_Click()
{
    if (moves_ && moves_->fullRules()) {
        deedActions_->mortgage();
        return;
    }
    // The button tells one deed's mortgage value, whoever holds what.
    if (moves_)
        screen_->tell(pounds(squareInfo(squares::EustonRoad).mortgageValue));
}

// Build does nothing under the Classic rules; under the Full rules these
// open the windows that list what the person may do.
void FrmMain::cmdBuild_Click() { deedActions_->build(); }

void FrmMain::cmdSell_Click() { deedActions_->sell(); }

void FrmMain::cmdUnmorgage_Click() { deedActions_->unmortgage(); }

void FrmMain::cmdBankrupt_Click() { deedActions_->declareBankruptcy(); }

void FrmMain::imgInfo_MouseMove(int index)
{
    screen_->showPropertyCard(index);
    views_->deed.show();
    views_->deed.raise();
    propertyShown_ = true;
    pins_->hover({CardChoice::Kind::Deed, index});
}

void FrmMain::imgMini_MouseMove(int, int index) { imgInfo_MouseMove(index); }

void FrmMain::imgStats_MouseMove(int index)
{
    screen_->showStatsCard(index);
    views_->stats.show();
    views_->stats.raise();
    pins_->hover({CardChoice::Kind::Stats, index});
}

void FrmMain::Form_MouseMove()
{
    // A pinned card stays; the other goes as it always has.
    pins_->endHover();
    if (propertyShown_ && !pins_->keeps(CardChoice::Kind::Deed))
        views_->deed.hide();
    if (!pins_->keeps(CardChoice::Kind::Stats))
        views_->stats.hide();
    pins_->showAgain();
}

void FrmMain::frmPlayerInfo_MouseMove(int)
{
    pins_->endHover();
    if (propertyShown_ && !pins_->keeps(CardChoice::Kind::Deed))
        views_->deed.hide();
    pins_->showAgain();
}

void FrmMain::nextPace_Key()
{
    if (!engine_) {
        if (remotePaceKey_)
            remotePaceKey_();
        return;
    }
    const Pace pace = nextPace(engine_->pace());
    engine_->setPace(pace);
    screen_->showPace(pace);
    if (paceChanged_)
        paceChanged_(pace);
}

bool FrmMain::queryUnload(CloseReason reason) { return quitCancelled(reason, this, quitContext_); }

} // namespace tycora::ui
