#include "ui/main/connection_banner.h"

#include "toolkit/fonts.h"

namespace tycora::ui {

ConnectionBanner::ConnectionBanner(QWidget *board) : QLabel(board)
{
    setObjectName(QStringLiteral("lblConnection"));
    setAlignment(Qt::AlignCenter);
    setFont(tahoma(9.75, true));
    // Dark red on pale yellow: unlike anything else on the board.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 244, 170));
    colours.setColor(QPalette::WindowText, QColor(128, 0, 0));
    setPalette(colours);
    setText(tr(LostText));
    hide();
}

void ConnectionBanner::showLost()
{
    const QWidget *board = parentWidget();
    setGeometry(0, 0, board->width(), fontMetrics().height() * 2);
    raise();
    show();
}

} // namespace tycora::ui
