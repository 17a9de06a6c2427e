#include "ui/main/player_colours.h"

#include "game/palette.h"

namespace tycora::ui {

namespace {

QColor onScreen(const Rgb &c) { return QColor(c.red, c.green, c.blue); }

} // namespace

QColor lightColour(long colour) { return onScreen(lightShade(colour)); }
QColor strongColour(long colour) { return onScreen(strongShade(colour)); }
QColor GroupColour(long group) { return onScreen(groupShade(group)); }

} // namespace tycora::ui
