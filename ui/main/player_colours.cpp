#include "ui/main/player_colours.h"

#include "assets/art_kit.h"
#include "game/palette.h"

namespace tycora::ui {

using art::kit::toQColor;

QColor lightColour(long colour) { return toQColor(lightShade(colour)); }
QColor strongColour(long colour) { return toQColor(strongShade(colour)); }
QColor GroupColour(long group) { return toQColor(groupShade(group)); }

} // namespace tycora::ui
