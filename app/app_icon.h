#pragma once

// The application's icon as the window system asks for it: the sizes it
// sets on every window, rendered from the drawn icon at build time, so the
// start copies four small pictures rather than drawing them.

#include <QIcon>

#include <array>

namespace tycora::app {

inline constexpr std::array<int, 4> AppIconSizes{16, 32, 64, 128};

QIcon builtAppIcon();

} // namespace tycora::app
