#pragma once

// The place where the pieces on a square stand (imgSquare): every piece on
// the square, each on a disc in its player's colours, so that two players
// on one square both stay in sight and each finds their own at a glance.
// One piece fills the place; two, three or four share it, fanned from the
// top left, the one that arrived last in front.

#include "toolkit/picture.h"

#include <QColor>
#include <QRectF>

#include <vector>

namespace tycora::ui {

struct StandingPiece {
    Art piece;
    QColor fill;     // the player's light colour, inside the disc
    QColor border;   // the player's strong colour, its rim
};

// Where each of count pieces stands inside a place of the given size, from
// the back to the front; empty for no pieces, the last layout for more than
// four.
std::vector<QRectF> pieceCells(int count, const QSizeF &place);

class PieceSpot final : public Picture {
    Q_OBJECT
public:
    PieceSpot(QWidget *parent, int index);

    // The pieces from the back to the front. The picture of the control is
    // the piece in front (none when the square is empty).
    void showPieces(std::vector<StandingPiece> pieces);
    const std::vector<StandingPiece> &pieces() const { return pieces_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<StandingPiece> pieces_;
};

} // namespace tycora::ui
