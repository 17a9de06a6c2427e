#include "app/app_icon.h"

#include "toolkit/built_picture.h"

#include <QPixmap>

namespace tycora::app {

QIcon builtAppIcon()
{
    QIcon icon;
    for (const int size : AppIconSizes)
        icon.addPixmap(QPixmap::fromImage(ui::builtPicture(QStringLiteral(":/start-pictures/app-icon-%1.argb").arg(size))));
    return icon;
}

} // namespace tycora::app
