#pragma once

// Drives the set-up window by its controls' names, as a user drives it by
// their places.
//
// Enters a player in the set-up window the way a user does: a name, then a
// pick in each of the three combos, then "Add Player". Used by the programs
// that play a part of the game by themselves (benchmarks, screenshots).

#include <QString>

class QWidget;

namespace tycora::ui {
class FrmPlayers;
}

namespace tycora::tools {

void enterPlayer(ui::FrmPlayers &players, const QString &name, const QString &piece, const QString &colour,
                 const QString &type);

// Clicks the window's button of that name, as a user clicks it by its place.
void clickButton(QWidget &window, const char *name);

} // namespace tycora::tools
