#include "ui/main/beside_board.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tycora::ui {

namespace {
constexpr int Gap = 8;
}

QPoint besideBoard(const QWidget &board, QSize size, bool alignBottom)
{
    const QRect frame = board.frameGeometry();
    const QScreen *screen = board.screen();
    const QRect area = screen ? screen->availableGeometry() : frame;
    const int roomRight = area.right() - frame.right();
    const int roomLeft = frame.left() - area.left();
    const int left = roomRight >= roomLeft ? std::min(frame.right() + Gap, area.right() + 1 - size.width())
                                           : std::max(frame.left() - Gap - size.width(), area.left());
    const int wanted = alignBottom ? frame.bottom() + 1 - size.height() : frame.top();
    const int top = std::clamp(wanted, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    return {left, top};
}

} // namespace tycora::ui
