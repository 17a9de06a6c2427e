#pragma once

// The card kept in view: a click on an information sign, a statistics sign
// or a mini deed pins that square's card, which then stays when the mouse
// moves on, until a click anywhere else in the window or Escape. The arrow
// keys pin a card too and walk it round the board: an arrow along the side
// steps to the neighbouring square that lies that way, an arrow across it
// turns between the deed and the statistics. A frame on the board shows
// whose card it is.

#include "ui/main/card_choice.h"

#include <QObject>

#include <optional>

class QWidget;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class MainScreen;
class SquareHighlight;
struct MainViews;

class PinnedCards final : public QObject {
    Q_OBJECT
public:
    PinnedCards(QWidget &window, MainViews &views, MainScreen &screen, const GameState &state);

    bool keeps(CardChoice::Kind kind) const { return pinned_ && pinned_->kind == kind; }

    void pin(const CardChoice &card);
    // Puts the pinned card away; nothing happens when none is pinned.
    void unpin();
    // Shows the pinned card again after the mouse showed or hid another.
    void showAgain();
    // The game showed a deed (a square to buy or to bid for): it takes the
    // place of a pinned deed, which is let go. The game hid the deed (a
    // throw): a pinned deed comes back at once, as it does after the mouse.
    void gameSetDeed(bool visible);

    // The mouse rests on a sign and shows its card: the card stays in view
    // however quickly the game shows and hides its own deed, until the
    // mouse moves on.
    void hover(const CardChoice &card) { hovered_ = card; }
    void endHover() { hovered_.reset(); }

    // The keys: the first one pins the card of the current player's
    // square; later ones step or turn the pinned card.
    void step(int squares);
    void turnOver();
    // An arrow key: the card of the neighbouring square that lies that way
    // on the board (dx, dy: -1, 0 or 1, y downwards); an arrow across the
    // side of the board turns the card over.
    void arrow(int dx, int dy);

protected:
    // A press anywhere in the window but on the pinned card unpins it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keep(const CardChoice &card);
    void forget();
    void show(const CardChoice &card);
    void showHovered();
    int startSquare() const;

    QWidget &window_;
    MainViews &views_;
    MainScreen &screen_;
    const GameState &state_;
    SquareHighlight *highlight_;
    std::optional<CardChoice> pinned_;
    std::optional<CardChoice> hovered_;
    // The kind the keys show where a square has both.
    CardChoice::Kind keyKind_ = CardChoice::Kind::Deed;
};

} // namespace tycora::ui
