#include "core/LineRun.h"

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

const QPen bandPen(QColor(192, 192, 192), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

// The band of the scene in small: rows bottom first, each the same line one row higher.
QImage band(qreal ratio, bool asRun, const QPen& pen = bandPen)
{
    QImage picture = checkered(ratio);
    QPainter painter(&picture);
    painter.setPen(pen);
    LineRun run;
    for (int i = 1; i <= 70; ++i) {
        const QLineF line(5, 85 - i, 115, 85 - i);
        if (!asRun || !run.take(line, pen))
            painter.drawLine(line);
    }
    run.paint(painter);
    EXPECT_TRUE(run.empty());
    return picture;
}

TEST(LineRun, PaintsTheVeryPixelsOfItsLinesAtAnyPixelRatio)
{
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        EXPECT_TRUE(band(ratio, true) == band(ratio, false)) << "ratio " << ratio;
        const QPen wide(QColor(64, 64, 64), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        EXPECT_TRUE(band(ratio, true, wide) == band(ratio, false, wide)) << "ratio " << ratio << ", pen 3";
    }
}

TEST(LineRun, TakesOnlyLinesThatContinueIt)
{
    LineRun run;
    EXPECT_FALSE(run.take(QLineF(5, 10.5, 100, 10.5), bandPen)) << "a row between pixels";
    EXPECT_FALSE(run.take(QLineF(5, 10, 100, 11), bandPen)) << "not horizontal";
    ASSERT_TRUE(run.take(QLineF(5, 10, 100, 10), bandPen));
    EXPECT_TRUE(run.take(QLineF(5, 9, 100, 9), bandPen));
    EXPECT_FALSE(run.take(QLineF(5, 10, 100, 10), bandPen)) << "back down a row";
    EXPECT_FALSE(run.take(QLineF(5, 7, 100, 7), bandPen)) << "a row skipped";
    EXPECT_FALSE(run.take(QLineF(5, 8, 101, 8), bandPen)) << "another extent";
    EXPECT_FALSE(run.take(QLineF(5, 8, 100, 8), QPen(Qt::red))) << "another pen";
    EXPECT_TRUE(run.take(QLineF(5, 8, 100, 8), bandPen));
}

}  // namespace
}  // namespace quorvel
