#include "desktop/WindowSurface.h"
#include "tests/desktop/Pixels.h"

#include <QElapsedTimer>
#include <QGuiApplication>
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

TEST_F(WindowSurfaceTest, WhatWasDrawnIsOnTheScreenWhenShowDrawnReturns)
{
    surface.line(20, 50.5f, 380, 50.5f, darkGrey);
    surface.circle(100, 150, 5, darkGrey);
    EXPECT_FALSE(hasColourNear(canvas.screen(), {200, 50}, darkGreyPixel)) << "drawing alone repaints nothing";
    surface.showDrawn();
    EXPECT_TRUE(hasColourNear(canvas.screen(), {200, 50}, darkGreyPixel));
    EXPECT_TRUE(hasColourNear(canvas.screen(), {105, 150}, darkGreyPixel));
    EXPECT_EQ(canvas.screen().pixelColor(100, 150), QColor(192, 192, 192)) << "a circle's fill is transparent until it is set";
}

// What was drawn outside a window made smaller is there when it grows again, and the picture
// grows with the window.
TEST_F(WindowSurfaceTest, ThePictureSurvivesHidingAndResizingAndGrowsWithTheWindow)
{
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
}

// However large the window is made, the picture grows no larger than the largest screen can
// show, and keeps what was drawn inside that.
TEST_F(WindowSurfaceTest, ThePictureGrowsNoLargerThanTheLargestScreen)
{
    QSize largest(400, 300);
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->size());
    surface.line(10, 20.5f, 390, 20.5f, darkGrey);
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

}  // namespace
}  // namespace quorvel
