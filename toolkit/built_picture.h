#pragma once

// Pictures rendered at build time and embedded in the program as they lie in
// memory: the width and the height, then the rows of premultiplied ARGB32
// pixels in the machine's byte order. Using one costs a copy rather than the
// decoding of a compressed file or the drawing itself.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tycora::ui {

// The picture in that form (for the build tools that make them).
QByteArray builtPictureBytes(const QImage &image);

// The picture held by a resource in that form; a null image where the
// resource is missing or its length does not match the size it gives.
QImage builtPicture(const QString &resource);

} // namespace tycora::ui
