#pragma once

// The program's parts and how they meet: the game state, the event log, the
// turn engine and the windows, from start-up to game end.

#include "app/debug_log.h"
#include "app/game_log_feed.h"
#include "app/game_random.h"
#include "app/game_recorder.h"
#include "app/game_settings.h"
#include "game/dice.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/player_setup.h"
#include "toolkit/message_box.h"
#include "toolkit/runtime_services.h"

#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

namespace tycora {
class Clock;
}

namespace tycora::ui {
class FrmMain;
class FrmLoadGame;
class FrmMenu;
class SaveControl;
class FrmOptions;
class FrmPlayers;
class FrmMortgage;
struct QuitContext;
} // namespace tycora::ui

namespace tycora::app {

class OnlineGame;

class Application {
public:
    Application(ui::RuntimeServices &services, ui::MessageBoxes &boxes, Clock &clock);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Start-up: logs the start, refuses a second copy and shows the menu.
    // The set-up and board windows, the decks, the board and the tooltips
    // are prepared once the menu is on the screen, or at its New Game or
    // Load Game if that comes first.
    void Main();
    // Game end: timers off, end line logged, every window gone, process ended.
    void endGame();
    // After a game is won: this game's log ends as at game end and the next
    // begins; a fresh state, engine and board, and the set-up window shown.
    void newGame();
    void setSquareTooltips();

    // Where the computers' long thinking runs (see game/thinking.h): set
    // by the program before Main() to keep the window free; without one
    // they think at once, on the clock's thread.
    void setThinker(Thinker *thinker) { thinker_ = thinker; }

    // Where the players' choices are remembered between runs: the user's
    // settings unless set otherwise before Main(); empty, nowhere (every
    // game offers the defaults).
    void setSettingsFile(const QString &file)
    {
        settingsFile_ = file;
        firstRead_.reset();
    }
    // The same, with what the start read from the file already (and the
    // problem it met, if any), so that the file is not read twice.
    void setSettingsFile(const QString &file, const ChoicesRead &alreadyRead)
    {
        settingsFile_ = file;
        firstRead_ = alreadyRead;
    }
    // Where the game is written at every hand-over: autosave.tycora in the
    // user's data folder unless set otherwise; empty, nowhere.
    void setAutosaveFile(const QString &file) { recorder_.setAutosaveFile(file); }

    // Opens a saved game on a fresh board, as it was saved; false (with a
    // message naming the file and the problem) leaves everything as it was.
    bool loadGame(const QString &path);
    // The Load Game window over the given window: the saved games of the
    // data and documents folders, the last game first.
    ui::FrmLoadGame *showLoadGameWindow(QWidget *over);
    GameRecorder &recorder() { return recorder_; }

    GameState &state() { return state_; }
    EventLog &log() { return log_; }
    Engine *engine() { return engine_.get(); }
    ui::FrmMain *frmMain() const;
    ui::FrmPlayers *frmPlayers() const;
    ui::FrmMenu *frmMenu() const;
    ui::FrmOptions *frmOptions() const;
    // The game played on a server, once Online Game has been chosen.
    OnlineGame *onlineGame() const { return online_.get(); }
    void openOnlineGame();

private:
    void createMenu();
    // The set-up and board windows of the first game, made and prepared
    // unless a board exists already.
    void ensureGameWindows();
    // The windows every game shares: the mortgage and options windows.
    void ensureSharedWindows();
    // The windows and the engine that belong to one game.
    void createGameWindows();
    // The set-up's columns, the decks, the board and its tooltips.
    void prepareGame();
    void startGame();
    // The board of a loaded game, drawn from its state, and play going on.
    void openLoadedGame(const SavedGame &game, const QString &name);
    // This game's windows and engine go; a fresh state remains.
    void dropGame();
    // Save and Load on the board.
    void attachSaveControl();
    void saveGameAs();
    void paceChanged(Pace pace);
    // Keeps the choices in the settings file, saying once if it cannot.
    void saveSettings();
    void reportSettingsProblem(const QString &message, const QString &problem);
    ui::QuitContext quitContext();
    void writeDated(const char *what, const char *ending);

    ui::RuntimeServices &services_;
    ui::MessageBoxes &boxes_;
    Clock &clock_;
    GameState state_;
    DebugLog debugFile_;
    GameLogFeed log_{debugFile_};
    GameRandom random_;
    RandomDice dice_;
    std::unique_ptr<Engine> engine_;
    Thinker *thinker_ = nullptr;
    GameRecorder recorder_{random_};
    QString settingsFile_;   // empty: choices neither read nor kept
    std::optional<ChoicesRead> firstRead_;   // the file as the start read it, used once
    GameChoices choices_;
    bool settingsProblemReported_ = false;
    // Who played the last game: the next set-up lists them.
    std::vector<NewPlayer> players_;
    QPointer<ui::FrmMain> frmMain_;
    QPointer<ui::FrmPlayers> frmPlayers_;
    QPointer<ui::FrmMenu> frmMenu_;
    QPointer<ui::FrmOptions> frmOptions_;
    QPointer<ui::FrmMortgage> frmMortgage_;
    QPointer<ui::SaveControl> saveControl_;
    std::unique_ptr<OnlineGame> online_;
    bool ending_ = false;
};

} // namespace tycora::app
