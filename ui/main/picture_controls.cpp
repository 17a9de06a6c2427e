#include "ui/main/picture_controls.h"

#include "ui/main/control_names.h"
#include "toolkit/picture.h"

namespace tycora::ui {

namespace {

Picture *setUp(Picture *picture, const TwipRect &at, const Art &art)
{
    place(picture, at);
    picture->setPicture(art);
    return picture;
}

} // namespace

Picture *makePicture(QWidget *parent, const QString &name, const TwipRect &place, const Art &art)
{
    return setUp(named(new Picture(parent), name), place, art);
}

Picture *makePicture(QWidget *parent, const QString &array, int index, const TwipRect &place, const Art &art)
{
    return setUp(named(new Picture(parent, index), array, index), place, art);
}

Picture *makeSourcePicture(QWidget *parent, const QString &name, int width, int height, const Art &art)
{
    Picture *picture = makePicture(parent, name, {0, 0, width, height}, art);
    picture->hide();
    return picture;
}

} // namespace tycora::ui
