#include "toolkit/game_window_look.h"

#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QPalette>
#include <QWidget>

namespace tycora::ui {

void giveGameWindowLook(QWidget &window)
{
    window.setFont(tahoma(8.25));
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, boardGreen());
    window.setPalette(pal);
    window.setAutoFillBackground(true);
}

} // namespace tycora::ui
