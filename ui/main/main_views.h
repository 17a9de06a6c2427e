#pragma once

// The views the main window is made of, made in the order they stack: the
// board ring at the bottom, the hidden pictures, the middle of the board,
// then the framed dice, the players' column and the two cards on top, as
// framed controls lie over pictures. The window forwards its handlers to
// them; MainScreen draws the game on them.

#include "ui/main/board_view.h"
#include "ui/main/button_row.h"
#include "ui/main/drawn_card.h"
#include "ui/main/free_parking_view.h"
#include "ui/main/pace_notice.h"
#include "ui/main/panel_pictures.h"
#include "ui/main/turn_display.h"

class QWidget;

namespace tycora::ui {

class DeedCard;
class DiceView;
class PlayersColumn;
class StatsCard;

struct MainViews {
    explicit MainViews(QWidget *window);

    BoardView board;
    PanelPictures panelPictures;
    DrawnCard card;
    TurnDisplay turn;
    ButtonRow buttons;
    FreeParkingView freeParking;
    PaceNotice paceNotice;
    // Framed views are widgets of the window, which owns them.
    DiceView &dice;
    PlayersColumn &players;
    DeedCard &deed;
    StatsCard &stats;
};

} // namespace tycora::ui
