#include "desktop/SavePicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace quorvel {

namespace {

struct Format {
    const char* ending;
    const char* name;  // as Qt's image writers know it; none for the core's SVG
};

constexpr std::array formats{Format{"png", "PNG"}, Format{"svg", nullptr}, Format{"jpg", "JPEG"}, Format{"jpeg", "JPEG"}};

// A name with no ending, such as a device's, is written as PNG.
const Format* formatOf(const QString& path)
{
    const QString ending = QFileInfo(path).suffix();
    if (ending.isEmpty())
        return &formats.front();
    for (const Format& format : formats) {
        if (ending.compare(QLatin1String(format.ending), Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

}  // namespace

QString SavePicture::withEnding(const QString& path, const QString& ending)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + ending : path;
}

QString SavePicture::save(const QString& path) const
{
    const Format* format = formatOf(path);
    if (format == nullptr)
        return QCoreApplication::translate("SavePicture", "The picture could not be saved as %1: Quorvel saves pictures as .png, .svg or .jpg files.").arg(path);
    // A device such as a printer's or /dev/full cannot be replaced by a new file, only written to.
    const QFileInfo target(path);
    std::unique_ptr<QFileDevice> file;
    if (target.exists() && !target.isFile() && !target.isDir())
        file = std::make_unique<QFile>(path);
    else
        file = std::make_unique<QSaveFile>(path);
    const auto failed = [&path](const QString& why) { return QCoreApplication::translate("SavePicture", "The picture could not be saved as %1: %2.").arg(path, why); };
    if (!file->open(QIODevice::WriteOnly))
        return failed(file->errorString());
    const QByteArray bytes = contents(format->name);
    errno = 0;
    // A short write leaves Qt's own error unknown where the system's says why, as on a full disk.
    if (file->write(bytes) != bytes.size())
        return failed(errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file->errorString());
    auto* whole = dynamic_cast<QSaveFile*>(file.get());
    if (whole ? !whole->commit() : !file->flush())
        return failed(file->errorString());
    return {};
}

QByteArray SavePicture::contents(const char* format) const
{
    if (format == nullptr)
        return QByteArray::fromStdString(svg_);
    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, format);
    return image;
}

}  // namespace quorvel
