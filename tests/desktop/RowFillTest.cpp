#include "desktop/RowFill.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// A picture with something on it already, so that a pixel the band misses shows.
QImage checkered(qreal ratio)
{
    QImage picture(QSize(120, 90) * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int y = 0; y < 90; y += 7)
        painter.fillRect(0, y, 120, 3, Qt::red);
    return picture;
}

// The band of the scene in small, rows bottom first, painted as a run or line by line.
QImage band(qreal ratio, bool asRun, int penWidth, float firstY = 85)
{
    QImage picture = checkered(ratio);
    QPainter painter(&picture);
    LineRun run;
    for (int i = 1; i <= 70; ++i) {
        const RowLine line{5, 115, firstY - static_cast<float>(i), penWidth, lightGrey};
        if (asRun) {
            EXPECT_TRUE(run.take(line));
        } else {
            painter.setPen(linePen(line.colour, penWidth));
            painter.drawLine(QLineF(line.x1, line.y, line.x2, line.y));
        }
    }
    paintRun(painter, run);
    return picture;
}

// A run is filled only where that gives the lines' own pixels: at fractional pixel ratios, with
// wide round-ended pens and between pixel rows it must fall back to the lines.
TEST(RowFill, PaintsTheVeryPixelsOfTheLinesAtAnyPixelRatio)
{
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        for (const int pen : {1, 3}) {
            EXPECT_TRUE(band(ratio, true, pen) == band(ratio, false, pen)) << "ratio " << ratio << ", pen " << pen;
            EXPECT_TRUE(band(ratio, true, pen, 85.5f) == band(ratio, false, pen, 85.5f)) << "ratio " << ratio << ", pen " << pen << ", between rows";
        }
    }
}

}  // namespace
}  // namespace quorvel
