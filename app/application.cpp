#include "app/application.h"

#include "game/board.h"
#include "game/decks.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/main_screen.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/shell/frm_options.h"
#include "ui/shell/frm_players.h"
#include "ui/shell/quit_confirmation.h"

namespace tycora::app {

Application::Application(ui::RuntimeServices &services, ui::MessageBoxes &boxes, Clock &clock)
    : services_(services), boxes_(boxes), clock_(clock), debugFile_(services), random_(services), dice_(random_)
{
}

Application::~Application()
{
    // Windows go before the engine whose timers they drive.
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
        boxes_.show(nullptr, QStringLiteral("Only 1 Tycora At A Time!"), ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        services_.endProcess(0);
        return;
    }
    createWindows();
    frmPlayers_->setupPlayerColumns();
    fillChanceDeck(state_);
    fillCommunityDeck(state_);
    // The run-time generator was seeded from the clock when the program
    // started; the dice draw from it.
    loadBoard(state_);
    setSquareTooltips();
    frmMenu_->show();
}

void Application::createWindows()
{
    frmMain_ = new ui::FrmMain(state_, boxes_);
    // The Game Log has every line, those written before it existed too.
    frmMain_->gameLog().addLines(log_.lines());
    log_.setListener([this](const std::string &line) {
        if (frmMain_)
            frmMain_->gameLog().addLine(line);
    });
    engine_ = std::make_unique<Engine>(state_, frmMain_->screen(), clock_, log_, dice_);
    frmOptions_ = new ui::FrmOptions;
    frmMain_->setEngine(engine_.get());
    frmMain_->setQuitContext(quitContext());

    frmPlayers_ = new ui::FrmPlayers(state_, log_, boxes_);
    frmPlayers_->setQuitContext(quitContext());
    frmPlayers_->setStartGameAction([this] { startGame(); });

    frmMenu_ = new ui::FrmMenu(boxes_);
    frmMenu_->setQuitContext(quitContext());
    frmMenu_->setNewGameAction([this] {
        if (frmPlayers_)
            frmPlayers_->show();
    });
    frmMortgage_ = new ui::FrmMortgage;
}

void Application::startGame()
{
    loadBoard(state_);
    ui::MainScreen &screen = frmMain_->screen();
    // The panels get their pieces first: the first player's piece on GO is
    // copied from its panel, which would otherwise still be empty.
    screen.setupPlayerPanels();
    engine_->startGame();
    screen.layoutPlayerPanels();
    screen.showCurrentPlayer();
    screen.refreshMoney();
    frmMain_->show();
}

void Application::setSquareTooltips()
{
    if (!frmMain_)
        return;
    for (int n = 0; n < SquareCount; ++n)
        frmMain_->setSquareTooltip(n, QString::fromStdString(state_.Properties[n].Name));
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
    services_.endProcess(0);
}

} // namespace tycora::app
