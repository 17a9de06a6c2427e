#include "ui/main/pinned_cards.h"

#include "game/game_state.h"
#include "ui/main/deed_card.h"
#include "ui/main/main_screen.h"
#include "ui/main/main_views.h"
#include "ui/main/square_highlight.h"
#include "ui/main/stats_card.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace tycora::ui {

PinnedCards::PinnedCards(QWidget &window, MainViews &views, MainScreen &screen, const GameState &state)
    : window_(window), views_(views), screen_(screen), state_(state),
      highlight_(new SquareHighlight(&window))
{
    // Presses reach the window's controls first; the application sees them
    // all, whichever control takes them.
    QCoreApplication::instance()->installEventFilter(this);
}

void PinnedCards::pin(const CardChoice &card)
{
    // The keys go on with the kind of card clicked.
    keyKind_ = card.kind;
    keep(card);
}

void PinnedCards::keep(const CardChoice &card)
{
    if (pinned_ && pinned_->kind != card.kind)
        unpin();
    pinned_ = card;
    show(card);
}

void PinnedCards::unpin()
{
    if (!pinned_)
        return;
    Frame &card = pinned_->kind == CardChoice::Kind::Deed ? static_cast<Frame &>(views_.deed) : views_.stats;
    card.hide();
    forget();
}

void PinnedCards::forget()
{
    pinned_.reset();
    highlight_->showOn(-1);
}

void PinnedCards::gameSetDeed(bool visible)
{
    if (keeps(CardChoice::Kind::Deed)) {
        if (visible)
            forget();
        else
            show(*pinned_);
    }
    // The game hiding its deed never takes the one under the mouse away;
    // while a computer plays, the one under the mouse wins over the game's.
    const Player &current = state_.Players[state_.CurrentPlayer];
    if (hovered_ && (!visible || current.PlayerType == Computer))
        showHovered();
}

void PinnedCards::showHovered()
{
    Frame *shown = nullptr;
    if (hovered_->kind == CardChoice::Kind::Deed) {
        screen_.showPropertyCard(hovered_->square);
        shown = &views_.deed;
    } else {
        screen_.showStatsCard(hovered_->square);
        shown = &views_.stats;
    }
    shown->show();
    shown->raise();
}

void PinnedCards::showAgain()
{
    if (pinned_)
        show(*pinned_);
}

void PinnedCards::step(int squares)
{
    const int square = pinned_ ? squareAfter(pinned_->square, squares) : startSquare();
    keep(cardFor(square, keyKind_));
}

namespace {

// Where a square lies on the board's grid of 11 by 11 places, GO at the
// bottom right and the squares going round clockwise.
QPoint gridPlace(int square)
{
    if (square <= 10)
        return {10 - square, 10};
    if (square <= 20)
        return {0, 20 - square};
    if (square <= 30)
        return {square - 20, 0};
    return {10, square - 30};
}

int sign(int value) { return (value > 0) - (value < 0); }

} // namespace

void PinnedCards::arrow(int dx, int dy)
{
    if (!pinned_) {
        step(0);
        return;
    }
    const int here = pinned_->square;
    for (const int steps : {1, -1}) {
        const QPoint way = gridPlace(squareAfter(here, steps)) - gridPlace(here);
        if (sign(way.x()) == dx && sign(way.y()) == dy) {
            step(steps);
            return;
        }
    }
    turnOver();
}

void PinnedCards::turnOver()
{
    if (!pinned_) {
        step(0);
        return;
    }
    keyKind_ = keyKind_ == CardChoice::Kind::Deed ? CardChoice::Kind::Stats : CardChoice::Kind::Deed;
    keep(cardFor(pinned_->square, keyKind_));
}

void PinnedCards::show(const CardChoice &card)
{
    Frame *shown = nullptr;
    if (card.kind == CardChoice::Kind::Deed) {
        screen_.showPropertyCard(card.square);
        shown = &views_.deed;
    } else {
        screen_.showStatsCard(card.square);
        shown = &views_.stats;
    }
    if (!shown->isVisible())
        shown->show();
    shown->raise();
    if (highlight_->square() != card.square)
        highlight_->showOn(card.square);
}

int PinnedCards::startSquare() const
{
    const int square = state_.Players[state_.CurrentPlayer].Square;
    return square >= 0 && square < BoardSize ? square : 0;
}

bool PinnedCards::eventFilter(QObject *watched, QEvent *event)
{
    // Any move of the mouse in the window, or off a sign, ends a hover; a
    // move on a sign starts it again right after.
    if (hovered_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave))
        if (auto *moved = qobject_cast<QWidget *>(watched); moved && moved->window() == &window_)
            hovered_.reset();
    if (!pinned_ || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick))
        return false;
    auto *pressed = qobject_cast<QWidget *>(watched);
    if (!pressed || pressed->window() != &window_)
        return false;
    const Frame &card = pinned_->kind == CardChoice::Kind::Deed ? static_cast<Frame &>(views_.deed) : views_.stats;
    const QPoint at = pressed->mapTo(&window_, static_cast<QMouseEvent *>(event)->position().toPoint());
    if (!card.geometry().contains(at))
        unpin();
    return false;
}

} // namespace tycora::ui
