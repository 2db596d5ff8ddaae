#include "desktop/GraphSurface.h"
#include "desktop/RowFill.h"
#include "desktop/WindowSurface.h"
#include "tests/desktop/Pixels.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

namespace quorvel {
namespace {

using testing::darkGreyPixel;
using testing::hasColourNear;

// A window that shows a surface's picture the way the main window does, on its light grey.
class Canvas : public QWidget {
public:
    explicit Canvas(QSize size) : surface(*this, size)
    {
        QPalette background = palette();
        background.setColor(QPalette::Window, QColor(192, 192, 192));
        setPalette(background);
        resize(size);
    }

    QImage screen() const { return this->QWidget::screen()->grabWindow(winId()).toImage(); }

    WindowSurface surface;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        surface.paint(painter, event->rect());
    }
};

class WindowSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    }

    Canvas canvas{QSize(400, 300)};
    WindowSurface& surface = canvas.surface;
};

// What was drawn is on the screen when showDrawn returns. What was drawn outside a window made
// smaller is there when it grows again, and the picture grows with the window, but no larger than
// the largest screen can show, keeping what was drawn inside that.
TEST_F(WindowSurfaceTest, WhatWasDrawnIsShownAndSurvivesHidingAndResizingUpToTheLargestScreen)
{
    surface.line(20, 50.5f, 380, 50.5f, darkGrey);
    surface.circle(100, 150, 5, darkGrey);
    EXPECT_FALSE(hasColourNear(canvas.screen(), {200, 50}, darkGreyPixel)) << "drawing alone repaints nothing";
    surface.showDrawn();
    EXPECT_TRUE(hasColourNear(canvas.screen(), {200, 50}, darkGreyPixel));
    EXPECT_TRUE(hasColourNear(canvas.screen(), {105, 150}, darkGreyPixel));
    EXPECT_EQ(canvas.screen().pixelColor(100, 150), QColor(192, 192, 192)) << "a circle's fill is transparent until it is set";

    surface.line(10, 20.5f, 390, 20.5f, darkGrey);
    canvas.hide();
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    canvas.resize(200, 100);
    QTest::qWait(20);
    canvas.resize(600, 500);
    QTest::qWait(20);
    surface.line(10, 450.5f, 590, 450.5f, darkGrey);
    canvas.repaint();
    surface.showDrawn();
    const QImage shown = canvas.screen();
    EXPECT_TRUE(hasColourNear(shown, {350, 20}, darkGreyPixel));
    EXPECT_TRUE(hasColourNear(shown, {550, 450}, darkGreyPixel));

    QSize largest(600, 500);
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size());
    for (const QSize huge : {QSize(4000, 3000), QSize(16384, 16384)}) {
        canvas.resize(huge);
        QTest::qWait(20);
        surface.line(10, 250.5f, 390, 250.5f, darkGrey);
        EXPECT_EQ(surface.picture().deviceIndependentSize().toSize(), largest) << huge.width();
    }
    EXPECT_TRUE(hasColourNear(surface.picture(), {200, 20}, darkGreyPixel));
    EXPECT_TRUE(hasColourNear(surface.picture(), {200, 250}, darkGreyPixel));
}

TEST_F(WindowSurfaceTest, DrawingFarOutsideOrAtNonFinitePointsIsHarmless)
{
    constexpr float huge = std::numeric_limits<float>::max();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    QElapsedTimer timer;
    timer.start();
    surface.setFillStyle(FillStyle::Solid);
    for (const int pen : {1, 2, 3}) {
        surface.setPenWidth(pen);
        surface.line(5, 580, 795, 580, lightGrey);
        surface.line(-huge, 100, huge, 100, darkGrey);
        surface.line(200, -huge, 200, huge, darkGrey);
        surface.line(-1e9f, -1e9f, 1e9f, 1e9f, darkGrey);
        surface.line(0, 0, infinity, 5, darkGrey);
        surface.line(nan, 0, 5, 5, darkGrey);
        surface.circle(huge, huge, 5, darkGrey);
        surface.circle(100, 100, huge, darkGrey);
        surface.circle(nan, 5, 5, darkGrey);
        surface.circle(5, 5, infinity, std::nullopt);
    }
    surface.showDrawn();
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(hasColourNear(canvas.screen(), {300, 100}, darkGreyPixel)) << "the visible part of a far-reaching line";
}

const QColor paper(255, 255, 255);

bool blank(const QImage& image, QPoint at) { return qAlpha(image.pixel(at)) == 0; }

// A two-pixel pen covers a column each side of its line and, with its square ends, a pixel beyond
// each end. The paper's rows are held to be painted as one fill, under what comes next. A circle
// is outlined in the theme's button text.
TEST(GraphSurface, DrawsSquareEndedLinesOverRowsPaintedAsOneFillAndOutlinesInTheThemesButtonText)
{
    QWidget view;
    QPalette theme = view.palette();
    theme.setColor(QPalette::Active, QPalette::ButtonText, QColor(10, 20, 30));
    view.setPalette(theme);
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

    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColour(green);
    surface.circle(50, 50, 4, std::nullopt);
    EXPECT_EQ(surface.picture().pixelColor(50, 50), testing::greenPixel);
    EXPECT_TRUE(testing::hasColourNear(surface.picture(), QPoint(54, 50), QColor(10, 20, 30)));
    surface.resetToPixels();
    EXPECT_TRUE(blank(surface.picture(), {50, 50}));
}

// The band of the scene in small, rows bottom first, painted as a run or line by line over
// stripes, so that a pixel the band misses shows.
QImage band(qreal ratio, bool asRun, int penWidth, float firstY = 85)
{
    QImage picture(QSize(120, 90) * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int y = 0; y < 90; y += 7)
        painter.fillRect(0, y, 120, 3, Qt::red);
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
