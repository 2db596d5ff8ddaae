#include "desktop/GraphSurface.h"
#include "tests/desktop/Pixels.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

using testing::darkGreyPixel;

const QColor paper(255, 255, 255);

bool blank(const QImage& image, QPoint at) { return qAlpha(image.pixel(at)) == 0; }

// A two-pixel pen covers a column each side of its line and, with its square ends, a pixel beyond
// each end. The paper's rows are held to be painted as one fill, under what comes next.
TEST(GraphSurface, DrawsSquareEndedLinesOverRowsPaintedAsOneFill)
{
    QWidget view;
    GraphSurface surface(view, {300, 150});
    surface.resetToPixels();
    for (int row = 0; row < 10; ++row)
        surface.line(0, static_cast<float>(row), 300, static_cast<float>(row), Rgb{255, 255, 255});
    surface.setPenWidth(2);
    surface.line(20, 20, 20, 40, darkGrey);
    surface.line(100, 5, 200, 5, darkGrey);
    surface.line(std::numeric_limits<float>::quiet_NaN(), 60, 30, 60, darkGrey);
    const QImage& picture = surface.picture();
    EXPECT_EQ(picture.size(), QSize(300, 150));
    for (const QPoint covered : {QPoint(19, 19), QPoint(20, 19), QPoint(19, 40), QPoint(20, 40), QPoint(150, 5)})
        EXPECT_EQ(picture.pixelColor(covered), darkGreyPixel) << covered.x() << ", " << covered.y();
    for (const QPoint left : {QPoint(19, 18), QPoint(20, 41), QPoint(18, 30), QPoint(21, 30), QPoint(20, 60), QPoint(150, 10)})
        EXPECT_TRUE(blank(picture, left)) << left.x() << ", " << left.y();
    EXPECT_EQ(picture.pixelColor(50, 5), paper);
    EXPECT_EQ(picture.pixelColor(299, 9), paper);
}

TEST(GraphSurface, OutlinesACircleInTheThemesButtonTextAndStartsAnewOnReset)
{
    QWidget view;
    QPalette theme = view.palette();
    theme.setColor(QPalette::Active, QPalette::ButtonText, QColor(10, 20, 30));
    view.setPalette(theme);
    GraphSurface surface(view, {300, 150});
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColour(green);
    surface.circle(50, 50, 4, std::nullopt);
    EXPECT_EQ(surface.picture().pixelColor(50, 50), testing::greenPixel);
    EXPECT_TRUE(testing::hasColourNear(surface.picture(), QPoint(54, 50), QColor(10, 20, 30)));
    surface.resetToPixels();
    EXPECT_TRUE(blank(surface.picture(), {50, 50}));
}

}  // namespace
}  // namespace quorvel
