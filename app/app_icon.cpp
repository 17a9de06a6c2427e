#include "app/app_icon.h"

namespace tycora::app {

QIcon builtAppIcon()
{
    QIcon icon;
    for (const int size : AppIconSizes)
        icon.addFile(QStringLiteral(":/app-icon/%1x%1/apps/io.tycora.Tycora.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tycora::app
