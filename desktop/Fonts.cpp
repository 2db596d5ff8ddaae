#include "desktop/Fonts.h"

#include <QStringList>

namespace quorvel {

namespace {

QFont font(const QStringList& families, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont serifBold(int pixelSize) { return font({"Times New Roman", "Liberation Serif", "DejaVu Serif", "serif"}, pixelSize, true); }

QFont sans(int pixelSize, bool bold) { return font({"MS Sans Serif", "Liberation Sans", "DejaVu Sans", "sans-serif"}, pixelSize, bold); }

}  // namespace quorvel
