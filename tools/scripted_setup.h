#pragma once

// Enters a player in the set-up window the way a user does: a name, then a
// pick in each of the three combos, then "Add Player". Used by the programs
// that play a part of the game by themselves (benchmarks, screenshots).

#include <QString>

namespace tycora::ui {
class FrmPlayers;
}

namespace tycora::tools {

void enterPlayer(ui::FrmPlayers &players, const QString &name, const QString &piece, const QString &colour,
                 const QString &type);

} // namespace tycora::tools
