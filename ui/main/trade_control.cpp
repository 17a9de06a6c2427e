#include "ui/main/trade_control.h"

#include "game/game_state.h"
#include "game/player_commands.h"
#include "ui/main/trade_window.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/game_text.h"
#include "toolkit/twips.h"

#include <QShortcut>
#include <QTimer>

namespace tycora::ui {

const char *const TradeControl::TradeTip = QT_TR_NOOP("Offer another player a trade of deeds, cash and cards (T)");

TradeControl::TradeControl(Form &window, const GameState &state) : QObject(&window), form_(window), state_(state)
{
    // Under Unmortgage, clear of Declare Bankruptcy and of the squares'
    // signs; like the other buttons it never takes the keyboard.
    cmdTrade_ = new CommandButton(tr("Trade (T)"), &window);
    cmdTrade_->setObjectName(QStringLiteral("cmdTrade"));
    cmdTrade_->setFont(tahoma(8.25));
    cmdTrade_->setFocusPolicy(Qt::NoFocus);
    place(cmdTrade_, 7425, 9030, 1150, 315);
    cmdTrade_->hide();
    connect(cmdTrade_, &QPushButton::clicked, this, &TradeControl::open);
    auto *key = new QShortcut(QKeySequence(Qt::Key_T), &window);
    connect(key, &QShortcut::activated, this, &TradeControl::open);

    // The game moves on its timers and on every answer; a glance now and
    // then keeps the button true to it.
    auto *poll = new QTimer(this);
    poll->setInterval(100);
    connect(poll, &QTimer::timeout, this, &TradeControl::refresh);
    poll->start();
}

void TradeControl::setCommands(PlayerCommands *commands, const OpenMoves *moves)
{
    commands_ = commands;
    moves_ = moves;
    if (tradeWindow_)
        tradeWindow_->hide();
    refresh();
}

QString TradeControl::whyNot() const
{
    const int current = state_.CurrentPlayer;
    if (current < 0 || current >= state_.PlayerCount)
        return tr("No game is being played");
    if (state_.Players[current].PlayerType == Computer && !state_.Players[current].Bankrupt)
        return tr("%1 trades on its own turn by itself").arg(qtext(state_.Players[current].Name));
    return qtext(moves_->whyNoTrade(current));
}

void TradeControl::refresh()
{
    const bool shown = commands_ && moves_ && moves_->tradingOn();
    cmdTrade_->setVisible(shown);
    if (!shown)
        return;
    const QString why = whyNot();
    cmdTrade_->setEnabled(why.isEmpty());
    cmdTrade_->setToolTip(why.isEmpty() ? tr(TradeTip) : why);
}

void TradeControl::open()
{
    refresh();
    if (!cmdTrade_->isVisible() || !cmdTrade_->isEnabled())
        return;
    if (!tradeWindow_)
        tradeWindow_ = new TradeWindow(state_, &form_);
    PlayerCommands *commands = commands_;
    const OpenMoves *moves = moves_;
    tradeWindow_->propose(state_.CurrentPlayer,
                          {[moves](const TradeOffer &offer) { return moves->offerProblem(offer); },
                           [this, commands](const TradeOffer &offer) {
                               commands->proposeTrade(offer);
                               refresh();
                           },
                           {}});
}

} // namespace tycora::ui
