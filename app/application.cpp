#include "app/application.h"

#include "app/online_game.h"

#include "game/board.h"
#include "game/decks.h"
#include "save/saved_game_list.h"
#include "ui/main/frm_main.h"
#include "ui/main/save_control.h"
#include "ui/main/game_log_window.h"
#include "ui/main/main_screen.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/shell/frm_options.h"
#include "ui/shell/frm_players.h"
#include "ui/shell/online_menu_entry.h"
#include "ui/shell/quit_confirmation.h"
#include "toolkit/first_paint.h"

#include <QCoreApplication>

namespace tycora::app {

Application::Application(ui::RuntimeServices &services, ui::MessageBoxes &boxes, Clock &clock)
    : services_(services), boxes_(boxes), clock_(clock), debugFile_(services), random_(services), dice_(random_),
      settingsFile_(defaultSettingsFile())
{
    recorder_.setLogLines(&log_.lines());
    recorder_.setAutosaveFile(save::autosaveFile());
    recorder_.setProblemAction([this](const QString &problem) {
        boxes_.show(frmMain_, problem, ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
    });
}

Application::~Application()
{
    // Windows go before the engine whose timers they drive.
    online_.reset();
    delete frmMenu_;
    delete frmPlayers_;
    delete frmMain_;
    delete frmOptions_;
    delete frmMortgage_;
}

ui::FrmMain *Application::frmMain() const { return frmMain_; }
ui::FrmPlayers *Application::frmPlayers() const { return frmPlayers_; }
ui::FrmMenu *Application::frmMenu() const { return frmMenu_; }
ui::FrmOptions *Application::frmOptions() const { return frmOptions_; }

void Application::writeDated(const char *what, const char *ending)
{
    log_.writeLog(what + services_.dateTimeText().toStdString() + ending);
}

ui::QuitContext Application::quitContext()
{
    ui::QuitContext context;
    context.boxes = &boxes_;
    context.endGame = [this] { endGame(); };
    context.clock = &clock_;
    return context;
}

void Application::Main()
{
    writeDated("Game Started:  ", "");
    if (services_.anotherCopyRunning()) {
        boxes_.show(nullptr, QCoreApplication::translate("Application", "Only 1 Tycora At A Time!"), ui::MsgButtons::Ok,
                    ui::MsgIcon::Exclamation);
        services_.endProcess(0);
        return;
    }
    createMenu();
    frmMenu_->show();
    // What the menu does not show waits until it is on the screen.
    ui::afterFirstPaint(*frmMenu_, [this] { ensureGameWindows(); });
}

void Application::ensureGameWindows()
{
    if (frmMain_ || ending_)
        return;
    ensureSharedWindows();
    createGameWindows();
    prepareGame();
}

void Application::ensureSharedWindows()
{
    if (!frmMortgage_)
        frmMortgage_ = new ui::FrmMortgage;
    if (!frmOptions_)
        frmOptions_ = new ui::FrmOptions;
}

void Application::prepareGame()
{
    frmPlayers_->setupPlayerColumns();
    fillChanceDeck(state_);
    fillCommunityDeck(state_);
    // The run-time generator was seeded from the clock when the program
    // started; the dice draw from it.
    loadBoard(state_);
    setSquareTooltips();
}

void Application::createMenu()
{
    frmMenu_ = new ui::FrmMenu(boxes_);
    frmMenu_->setQuitContext(quitContext());
    frmMenu_->setLoadGameAction([this] { showLoadGameWindow(frmMenu_); });
    frmMenu_->setNewGameAction([this] {
        ensureGameWindows();
        if (frmPlayers_)
            frmPlayers_->show();
    });
    ui::addOnlineGameButton(*frmMenu_, [this] { openOnlineGame(); });
}

void Application::openOnlineGame()
{
    if (!online_) {
        online_ = std::make_unique<OnlineGame>(boxes_, clock_, debugFile_, quitContext());
        // The board replaces the menu, as a game set up here does.
        online_->setStartedAction([this] {
            if (frmMenu_)
                frmMenu_->unload();
        });
    }
    online_->open(frmMenu_);
}

void Application::createGameWindows()
{
    frmMain_ = new ui::FrmMain(state_, boxes_);
    // The Game Log has every line, those written before it existed too.
    frmMain_->gameLog().addLines(log_.lines());
    log_.setListener([this](const std::string &line) {
        if (frmMain_)
            frmMain_->gameLog().addLine(line);
    });
    engine_ = std::make_unique<Engine>(state_, frmMain_->screen(), clock_, log_, dice_);
    engine_->setThinker(thinker_);
    frmMain_->setEngine(engine_.get());
    recorder_.follow(*engine_);
    attachSaveControl();
    frmMain_->setQuitContext(quitContext());
    frmMain_->setMortgageWindow(frmMortgage_);
    frmMain_->setGameEndActions([this] { newGame(); }, [this] { endGame(); });
    frmMain_->setPaceChangedAction([this](Pace pace) { paceChanged(pace); });

    frmPlayers_ = new ui::FrmPlayers(state_, log_, boxes_);
    frmPlayers_->setQuitContext(quitContext());
    frmPlayers_->setStartGameAction([this] { startGame(); });
    // The set-up offers what was chosen last time: as the start read it,
    // for the first game.
    const ChoicesRead read = firstRead_ ? *firstRead_ : readChoices(settingsFile_);
    firstRead_.reset();
    choices_ = read.choices;
    const QString &problem = read.problem;
    if (!problem.isEmpty())
        reportSettingsProblem(
            QCoreApplication::translate("Application",
                                        "cannot read the settings %1 (%2); the game offers the usual choices."),
            problem);
    frmPlayers_->setChoices(choices_.options, choices_.pace);
    frmPlayers_->setWindowScale(choices_.windowScale);
    frmPlayers_->setSeatLevels(choices_.levels);
}

void Application::newGame()
{
    if (ending_)
        return;
    if (engine_)
        engine_->stopTimers();
    writeDated("Game Ended:  ", "\r\n\r\n");
    log_.forgetLines();
    writeDated("Game Started:  ", "");
    dropGame();
    createGameWindows();
    prepareGame();
    // The next game's set-up starts with the players of the last, to change
    // or to start again at once.
    frmPlayers_->listPlayers(players_);
    frmPlayers_->show();
}

void Application::dropGame()
{
    // The old board and set-up go once the click that brought us here is
    // over; nothing reaches the old engine after this.
    for (ui::Form *window : std::initializer_list<ui::Form *>{frmMain_, frmPlayers_, frmMortgage_})
        if (window)
            window->hide();
    if (frmMain_) {
        // The old board lets go of the engine and the shared mortgage window.
        frmMain_->setEngine(nullptr);
        frmMain_->setMortgageWindow(nullptr);
        frmMain_->unload();
    }
    if (frmPlayers_)
        frmPlayers_->unload();
    // Nothing looks at the engine once it is gone.
    delete saveControl_;
    frmMain_ = nullptr;
    frmPlayers_ = nullptr;
    engine_.reset();

    recorder_.forget();
    state_ = GameState{};
}

void Application::startGame()
{
    loadBoard(state_);
    ui::MainScreen &screen = frmMain_->screen();
    // The panels get their pieces first: the first player's piece on GO is
    // copied from its panel, which would otherwise still be empty.
    screen.setupPlayerPanels();
    choices_ = {frmPlayers_->options(), frmPlayers_->pace(),
                frmPlayers_->windowScale(), frmPlayers_->seatLevels()};
    players_ = frmPlayers_->listedPlayers();
    // Under the Classic rules every computer plays the classic rule: the
    // levels chosen stay for a later game under the Full rules.
    if (choices_.options.rules != RuleSet::Full)
        for (Player &p : state_.Players)
            p.Level = ComputerLevel::Normal;
    saveSettings();
    frmOptions_->showOptions(choices_.options);
    // A game under the Full rules is played with trading.
    GameOptions options = choices_.options;
    options.trading = options.rules == RuleSet::Full;
    engine_->setOptions(options);
    engine_->setPace(choices_.pace);
    engine_->startGame();
    screen.setRules(engine_->options().rules);
    screen.layoutPlayerPanels();
    screen.showCurrentPlayer();
    screen.refreshMoney();
    saveControl_->refresh();
    frmMain_->show();
}

void Application::paceChanged(Pace pace)
{
    // A pace changed during play is the one offered next time.
    choices_.pace = pace;
    saveSettings();
}

void Application::saveSettings()
{
    QString problem;
    if (!saveChoices(settingsFile_, choices_, &problem) && !problem.isEmpty())
        reportSettingsProblem(QCoreApplication::translate("Application",
                                                          "cannot write the settings %1 (%2); the game goes on without "
                                                          "keeping its choices."),
                              problem);
}

void Application::reportSettingsProblem(const QString &message, const QString &problem)
{
    // Said once; the game plays on either way.
    if (settingsProblemReported_)
        return;
    settingsProblemReported_ = true;
    services_.reportProblem(message.arg(settingsFile_, problem));
}

void Application::setSquareTooltips()
{
    if (!frmMain_)
        return;
    for (int n = 0; n < BoardSize; ++n)
        frmMain_->setSquareTooltip(n, QString::fromUtf8(squareInfo(n).name.data(), static_cast<qsizetype>(squareInfo(n).name.size())));
}

void Application::endGame()
{
    if (ending_)
        return;
    ending_ = true;
    if (engine_)
        engine_->stopTimers();
    writeDated("Game Ended:  ", "\r\n\r\n");
    for (ui::Form *window : std::initializer_list<ui::Form *>{frmMain_, frmPlayers_, frmMenu_, frmOptions_, frmMortgage_}) {
        if (window)
            window->unload();
    }
    if (online_) {
        online_->client().leave();
        if (online_->board())
            online_->board()->unload();
    }
    services_.endProcess(0);
}

} // namespace tycora::app
