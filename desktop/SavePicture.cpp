#include "desktop/SavePicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace quorvel {

QString SavePicture::save(const QString& path) const
{
    // A device such as a printer's or /dev/full cannot be replaced by a new file, only written to.
    const QFileInfo target(path);
    std::unique_ptr<QFileDevice> file;
    if (target.exists() && !target.isFile() && !target.isDir())
        file = std::make_unique<QFile>(path);
    else
        file = std::make_unique<QSaveFile>(path);
    const auto failed = [&path, &file] { return QCoreApplication::translate("SavePicture", "The picture could not be saved as %1: %2.").arg(path, file->errorString()); };
    if (!file->open(QIODevice::WriteOnly))
        return failed();
    const QByteArray bytes = contents(path);
    if (file->write(bytes) != bytes.size())
        return failed();
    auto* whole = dynamic_cast<QSaveFile*>(file.get());
    if (whole ? !whole->commit() : !file->flush())
        return failed();
    return {};
}

QByteArray SavePicture::contents(const QString& path) const
{
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return QByteArray::fromStdString(svg_);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, "PNG");
    return png;
}

}  // namespace quorvel
