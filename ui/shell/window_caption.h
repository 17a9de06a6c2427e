#pragma once

#include <QString>

namespace tycora::ui {

// The title of the menu, the set-up window and the options window.
inline const QString GameCaption = QStringLiteral("Tycora by Varnoth");

} // namespace tycora::ui
