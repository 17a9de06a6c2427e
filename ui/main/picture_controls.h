#pragma once

// Making the picture controls of the main window, named as control_names.h
// says.

#include "ui/main/board_layout.h"
#include "toolkit/art.h"

class QString;
class QWidget;

namespace tycora::ui {

class Picture;

// A picture of its own: name "Image6".
Picture *makePicture(QWidget *parent, const QString &name, const TwipRect &place, const Art &art = Art());
// A picture of a control array: array "imgSquare", index 12 is "imgSquare12".
Picture *makePicture(QWidget *parent, const QString &array, int index, const TwipRect &place,
                     const Art &art = Art());
// A picture that is never shown, only copied from.
Picture *makeSourcePicture(QWidget *parent, const QString &name, int width, int height, const Art &art);

} // namespace tycora::ui
