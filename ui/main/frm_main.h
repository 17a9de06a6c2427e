#pragma once

// The playing window: the board of 40 squares, the players' column, the two
// pop-up cards, the dice, the button row and the status line, each a view
// of its own (main_views.h). The window holds no rules: its handlers pass
// every click and mouse move on to the turn engine or to the views, and
// MainScreen draws the game on the views.

#include "game/pace.h"
#include "ui/shell/quit_confirmation.h"
#include "toolkit/form.h"

#include <functional>
#include <memory>

namespace tycora {
class Engine;
class EngineCommands;
class OpenMoves;
class PlayerCommands;
struct GameState;
} // namespace tycora

namespace tycora::ui {

class DeedActions;
class FrmMortgage;
class MainScreen;
class MessageBoxes;
class WinnerWindow;
class GameLogWindow;
class StatisticsWindow;
class PinnedCards;
class TradeControl;
struct MainViews;

class FrmMain : public Form {
    Q_OBJECT
public:
    FrmMain(const GameState &state, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The board's inside size: the largest window of the game.
    static constexpr int WidthTwips = 15345;
    static constexpr int HeightTwips = 10905;

    MainScreen &screen() { return *screen_; }
    void setEngine(Engine *engine);
    // Where the person's moves go, and what the board offers them: the
    // engine once set, or a game played elsewhere (then no engine is set).
    void setCommands(PlayerCommands *commands, const OpenMoves *moves);
    void setQuitContext(const QuitContext &context) { quitContext_ = context; }
    // Full rules: the program's mortgage window, and what the winner
    // window's New Game and Quit do.
    void setMortgageWindow(FrmMortgage *window);
    void setGameEndActions(std::function<void()> newGame, std::function<void()> quit);
    // Told of every pace the players switch to with the pace key.
    void setPaceChangedAction(std::function<void(Pace)> action) { paceChanged_ = std::move(action); }
    // A game played elsewhere: what the pace key does instead.
    void setRemotePaceKey(std::function<void()> action) { remotePaceKey_ = std::move(action); }

    // What the statistics sign of a square says when the mouse rests on it.
    void setSquareTooltip(int square, const QString &text);
    // Roll Dice, for a program that plays the game through the window.
    bool rollEnabled() const;
    void pressRoll();

    // Set once a mouse move has shown the deed card; from then on the
    // background hides it again.
    bool propertyShown() const { return propertyShown_; }

    // The card a click or the arrow keys keep in view.
    // Every event line of the game, in a window of its own (L, or the
    // Game Log button in the bottom right corner).
    GameLogWindow &gameLog() { return *gameLog_; }
    // Pictures of the game so far: net worth, a heat map, rent (G, or the
    // Statistics button beside the Game Log's).
    StatisticsWindow &statistics() { return *statistics_; }
    // The Trade button and key (T), in a game that trades.
    TradeControl &trade() { return *trade_; }

    // The handlers, public so tests can call them as the window does.
    void cmdRoll_Click();
    void cmdMorgage_Click();
    void cmdBuild_Click();
    void cmdSell_Click();
    void cmdUnmorgage_Click();
    void cmdBankrupt_Click();
    void imgInfo_MouseMove(int index);
    void imgMini_MouseMove(int player, int index);
    void imgStats_MouseMove(int index);
    void Form_MouseMove();
    void frmPlayerInfo_MouseMove(int index);
    // The pace key (P): Classic, Fast, Instant, and round again.
    void nextPace_Key();

protected:
    bool queryUnload(CloseReason reason) override;
    void showEvent(QShowEvent *event) override;

    void createMenu();
    void connectHandlers();
    void connectKeyboard();
    void createGameLog();
    void createStatistics();
    void sampleStatistics();

    const GameState &state_;
    Engine *engine_ = nullptr;
    std::unique_ptr<EngineCommands> engineCommands_;
    PlayerCommands *commands_ = nullptr;
    const OpenMoves *moves_ = nullptr;
    QuitContext quitContext_;
    std::function<void(Pace)> paceChanged_;
    std::function<void()> remotePaceKey_;
    bool propertyShown_ = false;
    bool shownOnce_ = false;
    std::unique_ptr<MainViews> views_;
    std::unique_ptr<MainScreen> screen_;
    std::unique_ptr<DeedActions> deedActions_;
    WinnerWindow *winnerWindow_ = nullptr;
    std::function<void()> newGameAction_;
    std::function<void()> quitAction_;
    // Goes before the views it shows.
    std::unique_ptr<PinnedCards> pins_;
    GameLogWindow *gameLog_ = nullptr;   // a window of its own, deleted with the board
    StatisticsWindow *statistics_ = nullptr;   // likewise
    TradeControl *trade_ = nullptr;            // a child of the window
};

} // namespace tycora::ui
