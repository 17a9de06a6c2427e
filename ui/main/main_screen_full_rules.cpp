// What the Full rules show on the main window: the players' states, the
// deed buttons, a person raising money, and the winner.

#include "ui/main/main_screen.h"

#include "assets/full_rules_art.h"
#include "game/board.h"
#include "game/engine.h"
#include "game/game_state.h"
#include "game/screen.h"
#include "game/text.h"
#include "ui/main/action_hints.h"
#include "ui/main/board_slots.h"
#include "ui/main/debt_text.h"
#include "ui/main/main_views.h"
#include "ui/main/player_colours.h"
#include "ui/main/player_panel.h"
#include "ui/main/players_column.h"
#include "ui/main/standings.h"
#include "ui/main/winner_window.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {

QString jailCardsText(int cards, bool shortly)
{
    if (shortly)
        return cards == 1 ? QCoreApplication::translate("MainScreen", "Jail card")
                          : QCoreApplication::translate("MainScreen", "%1 Jail cards").arg(cards);
    return cards == 1 ? QCoreApplication::translate("MainScreen", "Holds a Get Out of Jail Free card")
                      : QCoreApplication::translate("MainScreen", "Holds %1 Get Out of Jail Free cards").arg(cards);
}

} // namespace

void MainScreen::showPlayerState(int player)
{
    PlayerPanel *p = panel(player);
    if (!p || player >= MaxPlayers)
        return;
    const Player &who = state_.Players[player];
    // Going in or out of jail moves the piece between the cell and the
    // visitors' strip.
    if (who.Square == squares::Jail)
        showPiecesOn(squares::Jail);
    if (who.Bankrupt) {
        p->showState(QCoreApplication::translate("MainScreen", "Bankrupt"),
                     QCoreApplication::translate("MainScreen", "Bankrupt: out of the game"));
        p->showOutOfGame();
        return;
    }
    QStringList shown, told;
    if (who.InJail) {
        shown << QCoreApplication::translate("MainScreen", "In Jail");
        told << QCoreApplication::translate("MainScreen", "In Jail");
    }
    if (const int cards = state_.jailCards(player); cards > 0) {
        shown << jailCardsText(cards, true);
        told << jailCardsText(cards, false);
    }
    p->showState(shown.join(QStringLiteral(", ")), told.join(QStringLiteral("; ")));
}

void MainScreen::showActions(const AvailableActions &actions)
{
    views_.buttons.showActions(actions);
    if (engine_) {
        const ActionHints hints = actionHints(state_, *engine_, actions);
        views_.buttons.explainClosed(qtext(hints.build), qtext(hints.sell), qtext(hints.mortgage),
                                     qtext(hints.unmortgage));
    }
    // While a person raises money the shortfall follows every sale and
    // mortgage.
    if (actions.declareBankruptcy && raisingPlayer_ >= 0)
        showShortfall();
    else
        raisingPlayer_ = -1;
}

void MainScreen::showRaising(int player, int owed)
{
    if (owed <= 0 || player < 0 || player >= MaxPlayers) {
        raisingPlayer_ = -1;
        views_.buttons.showRaising(QString());
        return;
    }
    raisingPlayer_ = player;
    raisingOwed_ = owed;
    // The status line says whom and what for, when the engine says; the
    // rent's deed comes into view.
    const bool told = engine_ && engine_->debtor() == player;
    const Creditor creditor = told ? engine_->creditor() : Creditor{};
    const OwedFor what = told ? engine_->owedFor() : OwedFor{};
    raisingFor_ = raisingText(state_, player, owed, creditor, what);
    if (owed > state_.Players[player].Money)
        showStatus(raisingFor_);
    if (what.what == OwedFor::What::Rent && onBoard(what.square)) {
        showPropertyCard(what.square);
        setPropertyCardVisible(true);
    }
    showShortfall();
}

void MainScreen::showShortfall()
{
    // Under the buttons, what is still missing after each sale; the whole
    // debt in its tooltip.
    const Player &p = state_.Players[raisingPlayer_];
    const int missing = raisingOwed_ - p.Money;
    views_.buttons.showRaising(
        missing > 0 ? QCoreApplication::translate("MainScreen", "%1 must raise %2").arg(qtext(p.Name), qmoney(missing))
                    : QString(),
        qtext(raisingFor_));
}

void MainScreen::showWinner(int player)
{
    if (!winnerWindow_ || player < 0 || player >= MaxPlayers)
        return;
    // The game is over: the name under Current Player is the winner's,
    // never that of the player who went bankrupt last.
    const Player &winner = state_.Players[player];
    views_.turn.showCurrentPlayer(qtext(winner.Name), lightColour(winner.Colour), strongColour(winner.Colour));
    winnerWindow_->showStandings(
        QCoreApplication::translate("MainScreen", "%1 Wins the Game").arg(qtext(state_.Players[player].Name)),
        standings(state_, player));
    winnerWindow_->show();
    winnerWindow_->raise();
}

} // namespace tycora::ui
