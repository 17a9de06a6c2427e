#include "ui/main/piece_spot.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace tycora::ui {

namespace {

// How the pieces share the place: the size of each one's cell as a part of
// the place, and where each cell lies in the room left over (0 at the top
// or left, 1 at the bottom or right).
struct Fan {
    qreal scale;
    std::array<QPointF, 4> at;
};
constexpr std::array<Fan, 4> Fans{{
    {1.0, {{{0, 0}}}},
    {0.64, {{{0, 0}, {1, 1}}}},
    {0.55, {{{0, 0}, {1, 0}, {0.5, 1}}}},
    {0.5, {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}},
}};

// The rim is thick enough to tell Yellow from the board, the piece small
// enough to leave it showing.
constexpr qreal RimWidth = 2.0;
constexpr qreal PieceInset = 0.12;

void paintStanding(QPainter &p, const StandingPiece &standing, const QRectF &cell)
{
    const qreal half = RimWidth / 2;
    p.setPen(QPen(standing.border, RimWidth));
    p.setBrush(standing.fill);
    p.drawEllipse(cell.adjusted(half, half, -half, -half));
    const qreal dx = cell.width() * PieceInset, dy = cell.height() * PieceInset;
    standing.piece.paint(p, cell.adjusted(dx, dy, -dx, -dy));
}

} // namespace

std::vector<QRectF> pieceCells(int count, const QSizeF &place)
{
    if (count <= 0)
        return {};
    const Fan &fan = Fans[static_cast<std::size_t>(std::min<int>(count, Fans.size()) - 1)];
    const QSizeF cell = place * fan.scale;
    const QSizeF room = place - cell;
    std::vector<QRectF> cells;
    for (int i = 0; i < count; ++i) {
        const QPointF at = fan.at[static_cast<std::size_t>(std::min<int>(i, Fans.size() - 1))];
        cells.emplace_back(QPointF(room.width() * at.x(), room.height() * at.y()), cell);
    }
    return cells;
}

PieceSpot::PieceSpot(QWidget *parent, int index) : Picture(parent, index) {}

void PieceSpot::showPieces(std::vector<StandingPiece> pieces)
{
    pieces_ = std::move(pieces);
    setPicture(pieces_.empty() ? Art() : pieces_.back().piece);
    update();
}

void PieceSpot::paintEvent(QPaintEvent *)
{
    if (pieces_.empty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const std::vector<QRectF> cells = pieceCells(static_cast<int>(pieces_.size()), QSizeF(size()));
    for (std::size_t i = 0; i < pieces_.size(); ++i)
        paintStanding(p, pieces_[i], cells[i]);
}

} // namespace tycora::ui
