#pragma once

// The game's two typefaces. Tahoma and Comic Sans MS are not free, so the
// program carries Wine's metric-compatible Tahoma and Comic Neue inside the
// binary and asks for them by size in points at 96 dots per inch, which
// keeps every caption at the width the layout was designed for.

#include <QFont>

namespace tycora::ui {

// Makes the embedded fonts available; call once after the application object
// exists. Safe to call again.
void registerEmbeddedFonts();

QFont tahoma(double points, bool bold = false);
QFont comicSans(double points, bool bold = false);

} // namespace tycora::ui
