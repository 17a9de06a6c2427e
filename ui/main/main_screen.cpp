#include "ui/main/main_screen.h"

#include "assets/full_rules_art.h"
#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/board_pieces.h"
#include "game/engine.h"
#include "game/text.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "ui/main/board_slots.h"
#include "ui/main/colour_outline.h"
#include "ui/main/deed_card.h"
#include "ui/main/dice_view.h"
#include "ui/main/main_views.h"
#include "ui/main/payment_countdown.h"
#include "ui/main/piece_art.h"
#include "ui/main/player_colours.h"
#include "ui/main/player_panel.h"
#include "ui/main/players_column.h"
#include "ui/main/stats_card.h"
#include "ui/main/translated_text.h"
#include "names/player_names.h"
#include "toolkit/message_box.h"
#include "toolkit/game_text.h"

#include <algorithm>

namespace tycora::ui {

MainScreen::MainScreen(const GameState &state, MainViews &views, MessageBoxes &boxes, QWidget &window)
    : state_(state), views_(views), boxes_(boxes), window_(window)
{
}

PlayerPanel *MainScreen::panel(int player) const { return views_.players.panel(player); }

void MainScreen::showStatus(const std::string &status)
{
    ++statusesSaid_;
    views_.turn.showStatus(withNamesIsolated(qtext(status), playerNames(state_)));
}

void MainScreen::hideStatus()
{
    ++statusesSaid_;
    views_.turn.hideStatus();
    views_.paceNotice.hide();
}

void MainScreen::showDie(int die, int value) { views_.dice.showFace(die, value); }

void MainScreen::showDiceRoll(const std::string &roll) { views_.turn.showDiceRoll(qtext(roll)); }

void MainScreen::refreshMoney()
{
    for (int i = 0; i < MaxPlayers; ++i)
        panel(i)->showMoney(state_.Players[i].Money);
}

void MainScreen::showCurrentPlayer()
{
    const Player &p = state_.Players[state_.CurrentPlayer];
    views_.turn.showCurrentPlayer(qtext(p.Name), lightColour(p.Colour), strongColour(p.Colour));
}

void MainScreen::pieceMoved(int player, int from)
{
    if (onBoard(from))
        showPiecesOn(from);
    if (const int now = pieceSquare(state_, player); onBoard(now) && now != from)
        showPiecesOn(now);
}

void MainScreen::showPiecesOn(int square)
{
    // On the jail's square a prisoner stands in the cell, a visitor beside it.
    std::vector<StandingPiece> pieces, jailed;
    for (const int player : piecesOn(state_, square)) {
        const Player &who = state_.Players[player];
        const Art piece = pieceArt(who);
        if (piece.isNull())
            continue;
        const bool inCell = square == squares::Jail && who.InJail;
        (inCell ? jailed : pieces).push_back({piece, lightColour(who.Colour), strongColour(who.Colour)});
    }
    views_.board.showPieces(square, std::move(pieces));
    if (square == squares::Jail)
        views_.board.showJailed(std::move(jailed));
}

void MainScreen::squareChanged(int square)
{
    if (!onBoard(square))
        return;
    const Property &deed = state_.Properties[square];
    const bool owned = deed.Owned && deed.Owner >= 0 && deed.Owner < MaxPlayers;
    if (owned) {
        const long c = state_.Players[deed.Owner].Colour;
        views_.board.markOwner(square, lightColour(c), strongColour(c), outlineColour(c));
    } else {
        views_.board.clearOwner(square);
    }
    // Each street's buildings stand in the slots board_slots.h gives it.
    const Building &b = state_.Buildings[square];
    views_.board.showBuildings(buildingSlotOf(square), b.Houses, b.Hotel);
    views_.board.showMortgaged(square, deed.Mortgaged);
    // The owner's panel shows the deed, marked when mortgaged; the others
    // show its empty place.
    for (int i = 0; i < MaxPlayers; ++i) {
        if (owned && deed.Owner == i)
            showMini(i, square, deed.Mortgaged);
        else if (PlayerPanel *p = panel(i))
            p->showOwnedMini(square, views_.panelPictures.emptyMini(square));
    }
}

void MainScreen::drawWhole(const GameOptions &options)
{
    for (int sq = 0; sq < BoardSize; ++sq) {
        squareChanged(sq);
        showPiecesOn(sq);
    }
    for (int i = 0; i < state_.PlayerCount; ++i)
        showPlayerState(i);
    if (options.freeParkingPot)
        showFreeParking(static_cast<int>(state_.FreeParking));
    refreshMoney();
    showCurrentPlayer();
}

void MainScreen::showMini(int player, int square, bool mortgaged)
{
    if (PlayerPanel *owner = panel(player)) {
        const Art owned = views_.panelPictures.ownedMini(square);
        owner->showOwnedMini(square, mortgaged ? art::mortgagedMini(owned) : owned);
    }
}

void MainScreen::hideCard() { views_.card.hide(); }

void MainScreen::showPropertyCard(int square)
{
    if (onBoard(square))
        views_.deed.showDeed(squareInfo(square));
}

void MainScreen::setPropertyCardVisible(bool visible)
{
    views_.deed.setVisible(visible);
    if (visible)
        views_.deed.raise();
    if (gameDeedCard_)
        gameDeedCard_(visible);
}

void MainScreen::setRollEnabled(bool enabled) { views_.buttons.setRollEnabled(enabled); }

void MainScreen::enableBuild() { views_.buttons.enableBuild(); }

void MainScreen::ask(const std::string &question, std::function<void(bool)> answer)
{
    // The box stays modal for the person, but nothing waits inside it: the
    // game goes on when the answer comes.
    boxes_.ask(&window_, qtext(question), MsgButtons::YesNo, MsgIcon::Question,
               [answer = std::move(answer)](MsgAnswer a) { answer(a == MsgAnswer::Yes); });
}

void MainScreen::tell(const std::string &message)
{
    boxes_.show(&window_, qtext(message), MsgButtons::Ok, MsgIcon::None);
}

void MainScreen::showFreeParking(int pot) { views_.freeParking.showPot(pot); }

MainScreen::~MainScreen() = default;

void MainScreen::setEngine(const Engine *engine)
{
    engine_ = engine;
    payments_.reset();
    if (engine)
        payments_ = std::make_unique<PaymentCountdown>(
            engine->clock(), [this](int payer, int payee, int amount) { showDebt(payer, payee, amount); });
}

void MainScreen::setRemoteGame(Clock &clock, Pace pace)
{
    engine_ = nullptr;
    remotePace_ = pace;
    payments_ = std::make_unique<PaymentCountdown>(
        clock, [this](int payer, int payee, int amount) { showDebt(payer, payee, amount); });
}

const Timer *MainScreen::tmrMoneyDown() const { return payments_ ? &payments_->tmrMoneyDown() : nullptr; }

void MainScreen::showPayment(int payer, int payee, int amount)
{
    if (payments_)
        payments_->start(payer, payee, amount, timingsOf(engine_ ? engine_->pace() : remotePace_));
}

void MainScreen::stopAnimations()
{
    if (payments_)
        payments_->stop();
}

void MainScreen::showDebt(int payer, int payee, int amount)
{
    const std::string owes = translatedText("MainScreen", "%1 owes %2 %3").arg(state_.Players[payer].Name,
                                            state_.Players[payee].Name, pounds(amount));
    // Under the Full rules and at the quicker paces the game goes on while
    // the money counts down; the screen keeps the line only while it is news.
    const bool fullRules = engine_ ? engine_->fullRules() : rules_ == RuleSet::Full;
    const Pace pace = engine_ ? engine_->pace() : remotePace_;
    if (fullRules || pace != Pace::Classic)
        showCountdown(owes, amount);
    else
        showStatus(owes);
    refreshMoney();
}

void MainScreen::showCountdown(const std::string &text, int amount)
{
    // A countdown that is new (or one that starts again higher) owns the
    // line; one that has since been talked over stays quiet. At its end the
    // debt is paid, and its line goes rather than say "owes £0".
    const bool starting = countdownSaid_ < 0 || amount > countdownLast_;
    const bool ownsLine = starting || countdownSaid_ == statusesSaid_;
    countdownLast_ = amount;
    if (amount <= 0) {
        if (ownsLine && !starting)
            views_.turn.hideStatus();
        countdownSaid_ = -1;
        return;
    }
    if (ownsLine) {
        showStatus(text);
        countdownSaid_ = statusesSaid_;
    }
}

void MainScreen::showPace(Pace pace) { views_.paceNotice.showPace(QString::fromLatin1(paceName(pace))); }

void MainScreen::setupPlayerPanels()
{
    for (int i = 0; i < MaxPlayers; ++i) {
        const Player &p = state_.Players[i];
        PlayerPanel *slot = panel(i);
        slot->showName(qtext(p.Name));
        slot->showColours(lightColour(p.Colour), strongColour(p.Colour), outlineColour(p.Colour));
        // An unknown piece or type leaves the panel's picture as it was.
        if (const Art piece = pieceArt(p); !piece.isNull())
            slot->showPiece(piece);
        if (const Art type = views_.panelPictures.playerType(p.PlayerType); !type.isNull())
            slot->showType(type);
    }
}

void MainScreen::layoutPlayerPanels()
{
    // The panels follow the number of players, so a player with an unusual
    // name can never hide a panel.
    views_.players.showPanels(std::clamp<int>(state_.PlayerCount, 2, MaxPlayers));
    // Under the Full rules a computer's panel says how strongly it plays.
    for (int i = 0; i < MaxPlayers; ++i) {
        const Player &p = state_.Players[i];
        const bool levelled = rules_ == RuleSet::Full && p.PlayerType == Computer && i < state_.PlayerCount;
        panel(i)->showLevel(levelled ? qtext(levelName(p.Level)) : QString());
    }
}

void MainScreen::showStatsCard(int square)
{
    if (!onBoard(square))
        return;
    const SquareInfo &info = squareInfo(square);
    const SquareStat &stats = state_.SquareStats[square];
    StatsCard &card = views_.stats;
    card.showStats(info, stats.Landed, stats.TotalRent);
    // A station's rent is what its owner's stations earn now (a lone
    // station's while unowned); a utility's is a multiple of the dice.
    const bool owned = state_.Properties[square].Owned;
    switch (info.kind) {
    case SquareKind::Station: card.showCurrentRent(owned ? stationRent(state_, square) : stationRentForHeld(1)); break;
    case SquareKind::Utility:
        card.showCurrentDiceFactor(owned && bothUtilitiesHeldByOne(state_) ? UtilityFactorBoth : UtilityFactorOne);
        break;
    default: card.showCurrentRent(stats.CurrentRent); break;
    }
}

} // namespace tycora::ui
