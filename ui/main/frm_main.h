#pragma once

// The playing window: the board of 40 squares, the players' column, the two
// pop-up cards, the dice, the button row and the status line, each a view
// of its own (main_views.h). The window holds no rules: its handlers pass
// every click and mouse move on to the turn engine or to the views, and
// MainScreen draws the game on the views.

#include "ui/shell/quit_confirmation.h"
#include "ui/toolkit/form.h"

#include <memory>

namespace tycora {
class Engine;
struct GameState;
} // namespace tycora

namespace tycora::ui {

class GameLogWindow;
class MainScreen;
class MessageBoxes;
class PinnedCards;
struct MainViews;

class FrmMain : public Form {
    Q_OBJECT
public:
    FrmMain(const GameState &state, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~FrmMain() override;

    MainScreen &screen() { return *screen_; }
    void setEngine(Engine *engine) { engine_ = engine; }
    void setQuitContext(const QuitContext &context) { quitContext_ = context; }

    // What the statistics sign of a square says when the mouse rests on it.
    void setSquareTooltip(int square, const QString &text);
    // Roll Dice, for a program that plays the game through the window.
    bool rollEnabled() const;
    void pressRoll();

    // Set once a mouse move has shown the deed card; from then on the
    // background hides it again.
    bool booPropertyShown() const { return booPropertyShown_; }

    // The card a click or the arrow keys keep in view.
    PinnedCards &pinnedCards() { return *pins_; }
    // Every event line of the game, in a window of its own (L, or the
    // Game Log button in the bottom right corner).
    GameLogWindow &gameLog() { return *gameLog_; }

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
    void showEvent(QShowEvent *event) override;

private:
    void centreOnTheScreen();
    void createMenu();
    void connectHandlers();
    void connectKeyboard();
    void createGameLog();

    const GameState &state_;
    Engine *engine_ = nullptr;
    QuitContext quitContext_;
    bool booPropertyShown_ = false;
    bool shownOnce_ = false;
    std::unique_ptr<MainViews> views_;
    std::unique_ptr<MainScreen> screen_;
    // Goes before the views it shows.
    std::unique_ptr<PinnedCards> pins_;
    GameLogWindow *gameLog_ = nullptr;   // a window of its own, deleted with the board
};

} // namespace tycora::ui
