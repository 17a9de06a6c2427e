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
    if (!keeps(CardChoice::Kind::Deed))
        return;
    if (visible)
        forget();
    else
        show(*pinned_);
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
    return square >= 0 && square < SquareCount ? square : 0;
}

bool PinnedCards::eventFilter(QObject *watched, QEvent *event)
{
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
