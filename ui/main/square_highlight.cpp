#include "ui/main/square_highlight.h"

#include "game/square_table.h"
#include "ui/main/board_layout.h"

#include <QPainter>

namespace tycora::ui {

namespace {
// A dark band inside a white edge stands out on every tile and strip.
const QColor Band(25, 60, 200);
constexpr int BandWidth = 3;
} // namespace

SquareHighlight::SquareHighlight(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("shpHighlight"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void SquareHighlight::showOn(int square)
{
    if (square < 0 || square >= BoardSize) {
        square_ = -1;
        hide();
        return;
    }
    square_ = square;
    place(this, boardTilePlace(square));
    raise();
    show();
    update();
}

void SquareHighlight::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(QRect(r.topLeft(), QSize(r.width(), BandWidth)), Band);
    p.fillRect(QRect(r.left(), r.bottom() - BandWidth + 1, r.width(), BandWidth), Band);
    p.fillRect(QRect(r.topLeft(), QSize(BandWidth, r.height())), Band);
    p.fillRect(QRect(r.right() - BandWidth + 1, r.top(), BandWidth, r.height()), Band);
    p.setPen(Qt::white);
    p.drawRect(r.adjusted(BandWidth, BandWidth, -BandWidth - 1, -BandWidth - 1));
}

} // namespace tycora::ui
