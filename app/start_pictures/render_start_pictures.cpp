// Renders the pictures the start menu needs, drawn by code, in the form the
// program embeds (see toolkit/built_picture.h), so that it copies them
// while it starts instead of drawing them:
//   tycora_render_start_pictures <output folder>
// writes logo.argb (the title logo at its own size, as Art::pixmap draws it)
// and app-icon-<n>.argb for each size of the application icon the window
// system is given.

#include "app/app_icon.h"
#include "assets/art_catalog.h"
#include "toolkit/built_picture.h"
#include "toolkit/fonts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

bool write(const QString &file, const QImage &picture)
{
    QFile out(file);
    const QByteArray bytes = tycora::ui::builtPictureBytes(picture);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
        return true;
    std::fprintf(stderr, "tycora_render_start_pictures: cannot write %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tycora_render_start_pictures <output folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    tycora::ui::registerEmbeddedFonts();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder))
        return 1;
    const tycora::ui::Art &logo = tycora::art::logo();
    if (!write(folder + QStringLiteral("/logo.argb"), logo.image(logo.size())))
        return 1;
    for (const int size : tycora::app::AppIconSizes)
        if (!write(folder + QStringLiteral("/app-icon-%1.argb").arg(size),
                   tycora::art::appIcon().image(QSize(size, size))))
            return 1;
    return 0;
}
