#include "ui/main/main_views.h"

#include "ui/main/deed_card.h"
#include "ui/main/dice_view.h"
#include "ui/main/players_column.h"
#include "ui/main/stats_card.h"

namespace tycora::ui {

MainViews::MainViews(QWidget *window)
    : board(window), panelPictures(window), card(window), turn(window), buttons(window),
      freeParking(window), paceNotice(window),
      dice(*new DiceView(window)), players(*new PlayersColumn(window, panelPictures)), deed(*new DeedCard(window)),
      stats(*new StatsCard(window))
{
}

} // namespace tycora::ui
