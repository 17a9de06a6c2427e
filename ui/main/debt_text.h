#pragma once

// What a person raising money reads: who must raise how much, and whom they
// pay and what for ("Ann must raise £237 to pay Bob £950 rent for Bow
// Street").

#include "game/engine.h"

#include <string>

namespace tycora::ui {

std::string raisingText(const GameState &state, int debtor, int owed, const Creditor &creditor, const OwedFor &what);

} // namespace tycora::ui
