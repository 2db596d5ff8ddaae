#include "desktop/WindowIcon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

#include <png.h>

namespace quorvel {

namespace {

QImage decodePng(const QByteArray& data)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.constData(), static_cast<png_size_t>(data.size())))
        return {};
    png.format = PNG_FORMAT_RGBA;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_RGBA8888);
    if (image.isNull() || !png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
}

}  // namespace

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        const QImage image = decodePng(QResource(QStringLiteral(":/icons/quorvel-%1.png").arg(size)).uncompressedData());
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace quorvel
