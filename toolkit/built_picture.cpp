#include "toolkit/built_picture.h"

#include <QResource>

#include <cstdint>
#include <cstring>

namespace tycora::ui {

namespace {

constexpr qsizetype HeaderBytes = 2 * sizeof(std::uint32_t);
constexpr std::uint32_t LargestSide = 4096;

} // namespace

QByteArray builtPictureBytes(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {std::uint32_t(pixels.width()), std::uint32_t(pixels.height())};
    QByteArray bytes(reinterpret_cast<const char *>(size), HeaderBytes);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), qsizetype(pixels.width()) * 4);
    return bytes;
}

QImage builtPicture(const QString &resource)
{
    const QResource file(resource);
    if (!file.isValid())
        return {};
    const QByteArray bytes = file.uncompressedData();
    if (bytes.size() < HeaderBytes)
        return {};
    std::uint32_t size[2];
    std::memcpy(size, bytes.constData(), HeaderBytes);
    const auto [width, height] = size;
    if (width == 0 || height == 0 || width > LargestSide || height > LargestSide ||
        bytes.size() != HeaderBytes + qsizetype(width) * height * 4)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const char *row = bytes.constData() + HeaderBytes;
    for (int y = 0; y < image.height(); ++y, row += width * 4)
        std::memcpy(image.scanLine(y), row, width * 4);
    return image;
}

} // namespace tycora::ui
