#include "desktop/Fonts.h"

#include "core/draw/FontFaces.h"

#include <QStringList>

namespace quorvel {

namespace {

QFont font(std::string_view faces, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(QString::fromUtf8(faces.data(), static_cast<qsizetype>(faces.size())).split(QStringLiteral(", ")));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont serifBold(int pixelSize) { return font(serifFaces, pixelSize, true); }

QFont sans(int pixelSize, bool bold) { return font(sansFaces, pixelSize, bold); }

}  // namespace quorvel
