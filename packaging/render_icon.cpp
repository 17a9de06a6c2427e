// Renders the application icon, drawn by code, to PNG files for the desktop:
//   tycora_render_icon <output folder>
// writes <folder>/<n>x<n>/apps/io.tycora.Tycora.png for the usual sizes.

#include "assets/art_catalog.h"
#include "toolkit/fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tycora_render_icon <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tycora::ui::registerEmbeddedFonts();
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder))
            return 1;
        const QImage image = tycora::art::appIcon().image(QSize(size, size));
        if (!image.save(folder + QStringLiteral("/io.tycora.Tycora.png")))
            return 1;
    }
    return 0;
}
