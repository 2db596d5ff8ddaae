#pragma once

#include <QImage>
#include <QString>

#include <string>

namespace quorvel {

// The picture as a file: SVG when the name ends in .svg, PNG otherwise. A regular file is written
// whole or not at all, so that a failed save leaves under the name what was there before.
class SavePicture {
public:
    SavePicture(std::string svg, QImage image) : svg_(std::move(svg)), image_(std::move(image)) {}

    // What went wrong, in words that name the file, or nothing when it is written.
    QString save(const QString& path) const;

private:
    QByteArray contents(const QString& path) const;

    std::string svg_;
    QImage image_;
};

}  // namespace quorvel
