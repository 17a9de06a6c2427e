#pragma once

// "Online Game" on the start menu: a smaller button in the free band
// between the logo and the two game buttons, which keep their places.

#include <functional>

namespace tycora::ui {

class CommandButton;
class FrmMenu;

CommandButton *addOnlineGameButton(FrmMenu &menu, std::function<void()> action);

} // namespace tycora::ui
