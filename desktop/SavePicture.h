#pragma once

#include <QImage>
#include <QString>

#include <string>

namespace quorvel {

// The picture as a file, in the format its name's ending asks for: SVG, PNG or JPEG; any other
// ending is refused, saying which are offered. A regular file is written whole or not at all, so
// that a failed save leaves under the name what was there before.
class SavePicture {
public:
    SavePicture(std::string svg, QImage image) : svg_(std::move(svg)), image_(std::move(image)) {}

    // The name as it will be written: one without an ending takes the given one.
    static QString withEnding(const QString& path, const QString& ending);

    // What went wrong, in words that name the file, or nothing when it is written.
    QString save(const QString& path) const;

private:
    QByteArray contents(const char* format) const;

    std::string svg_;
    QImage image_;
};

}  // namespace quorvel
