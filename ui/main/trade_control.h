#pragma once

// Trading from the board: a Trade button in the free strip under the row of
// buttons (where only Declare Bankruptcy ever shows, at its left), and the
// key T. Shown only in a game that trades (never under the Classic rules);
// enabled exactly while the person whose turn it is may propose a trade,
// its tooltip saying why not otherwise. It opens the trade window for them.

#include <QObject>

namespace tycora {
class OpenMoves;
class PlayerCommands;
struct GameState;
}

namespace tycora::ui {

class CommandButton;
class Form;
class TradeWindow;

class TradeControl : public QObject {
    Q_OBJECT
public:
    // Lives as long as the window, whose child it is.
    TradeControl(Form &window, const GameState &state);

    // Where an offer goes and whether one may be made; none while no game
    // is played.
    void setCommands(PlayerCommands *commands, const OpenMoves *moves);
    // Shows, enables or disables the button as the game stands now. Also
    // run every moment while the window is up.
    void refresh();
    // Opens the trade window when the button may be pressed.
    void open();

    static const char *const TradeTip;

private:
    QString whyNot() const;

    Form &form_;
    const GameState &state_;
    PlayerCommands *commands_ = nullptr;
    const OpenMoves *moves_ = nullptr;
    CommandButton *cmdTrade_ = nullptr;
    TradeWindow *tradeWindow_ = nullptr;
};

} // namespace tycora::ui
