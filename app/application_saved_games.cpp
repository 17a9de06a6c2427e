// Saved games in the windows. Opening one: the file is read and checked
// first, so that a file that cannot be played leaves the menu or the
// running game as it was; then the board is drawn from the saved state and
// play goes on. Saving one: to a file the player names.

#include "app/application.h"

#include "game/saved_game.h"
#include "game/last_throw.h"
#include "save/game_file.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_screen.h"
#include "ui/main/save_control.h"
#include "save/saved_game_list.h"
#include "ui/shell/frm_load_game.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_options.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace tycora::app {

bool Application::loadGame(const QString &path)
{
    const save::LoadedGame loaded = save::loadGameFile(path);
    if (!loaded.error.isEmpty()) {
        boxes_.show(QApplication::activeWindow(), loaded.error, ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
        return false;
    }
    // A game on the board ends here as it does for a new game.
    if (engine_ && engine_->phase() != Engine::Phase::Setup) {
        engine_->stopTimers();
        writeDated("Game Ended:  ", "\r\n\r\n");
        log_.forgetLines();
        writeDated("Game Started:  ", "");
    }
    ensureSharedWindows();
    log_.putBefore(loaded.game.log);
    dropGame();
    createGameWindows();
    openLoadedGame(loaded.game, QFileInfo(path).fileName());
    if (frmMenu_)
        frmMenu_->unload();
    return true;
}

void Application::attachSaveControl()
{
    saveControl_ = new ui::SaveControl(*frmMain_, *engine_);
    saveControl_->setActions([this] { saveGameAs(); }, [this] { showLoadGameWindow(frmMain_); });
}

void Application::saveGameAs()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(
        frmMain_, QCoreApplication::translate("Application", "Save Game"), folder,
        QCoreApplication::translate("Application", "Saved games (*%1)").arg(save::FileExtension));
    if (path.isEmpty())
        return;
    if (!path.endsWith(save::FileExtension))
        path += save::FileExtension;
    if (const QString problem = recorder_.save(path); !problem.isEmpty())
        boxes_.show(frmMain_, problem, ui::MsgButtons::Ok, ui::MsgIcon::Exclamation);
}

ui::FrmLoadGame *Application::showLoadGameWindow(QWidget *over)
{
    QStringList folders;
    for (const auto where : {QStandardPaths::AppDataLocation, QStandardPaths::DocumentsLocation})
        if (const QString folder = QStandardPaths::writableLocation(where); !folder.isEmpty())
            folders << folder;
    auto *window = new ui::FrmLoadGame(save::listSavedGames(recorder_.autosaveFile(), folders), over);
    QObject::connect(window, &ui::FrmLoadGame::gameChosen, window, [this](const QString &path) {
        // After the click is over: the window it came from may go.
        QTimer::singleShot(0, frmMenu_ ? static_cast<QObject *>(frmMenu_) : static_cast<QObject *>(frmMain_),
                           [this, path] { loadGame(path); });
    });
    window->open();
    return window;
}

void Application::openLoadedGame(const SavedGame &game, const QString &name)
{
    state_ = game.state;
    setSquareTooltips();
    log_.writeLog("Game Loaded:  " + name.toStdString() + " (round " + std::to_string(roundOf(game)) + ")");
    ui::MainScreen &screen = frmMain_->screen();
    screen.setupPlayerPanels();
    frmOptions_->showOptions(game.options);
    engine_->setOptions(game.options);
    engine_->setPace(game.pace);
    screen.setRules(game.options.rules);
    screen.layoutPlayerPanels();
    screen.drawWhole(game.options);
    showLastThrow(state_, game.history, screen);
    // The player to throw is given Roll Dice as the game goes on; a
    // computer never is.
    screen.setRollEnabled(false);
    random_.continueFrom(game.dice);
    recorder_.follow(*engine_, game.history);
    frmMain_->show();
    engine_->resume(game.progress);
    saveControl_->refresh();
}

} // namespace tycora::app
