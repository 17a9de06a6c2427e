#pragma once

// Before the program's Qt application exists: the size of the windows the
// players chose, cut down to the largest the screen has room for, becomes
// Qt's scale factor (QT_SCALE_FACTOR, on top of any factor the user set).
// Qt then scales every window, font and line as a whole and the drawn art
// is painted at the higher density. At the usual size nothing is done.

namespace tycora::app {

// Returns the size applied, in percent. argv is left as it is.
int applyWindowScale(int chosen, int argc, char **argv);

} // namespace tycora::app
