#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

namespace quorvel::testing {

// Whether the colour appears within `reach` pixels of a point: how a line or a rim is found
// without depending on which pixels the rasteriser picks at its edges.
inline bool hasColourNear(const QImage& image, QPoint at, QColor colour, int reach = 1)
{
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p).rgb() == colour.rgb())
                return true;
        }
    }
    return false;
}

inline const QColor darkGreyPixel(64, 64, 64);
inline const QColor lightGreyPixel(192, 192, 192);
inline const QColor greenPixel(0, 255, 0);

}  // namespace quorvel::testing
