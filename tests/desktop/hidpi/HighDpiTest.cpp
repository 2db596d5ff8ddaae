#include "desktop/BrightnessGraphView.h"
#include "desktop/ExplorePanel.h"
#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"

namespace quorvel {
namespace {

using testing::darkGreyPixel;
using testing::lightGreyPixel;

// Before the application object is made: a desktop scaled to 200 %.
[[maybe_unused]] const bool scaledDesktop = qputenv("QT_SCALE_FACTOR", "2");

// The window as a desktop scaled to 200 % shows it: every length of the layout is two device pixels.
class HighDpi : public testing::FormFixture {
protected:
    // The colours along one device-pixel row, from x to x + width.
    static QList<QRgb> row(const QImage& image, int x, int y, int width)
    {
        QList<QRgb> colours;
        for (int i = 0; i < width; ++i)
            colours << image.pixel(x + i, y);
        return colours;
    }
};

// Start's outline begins at the layout's (528, 16), that is at device pixel (1056, 32), and is two
// device pixels thick, as the layout's one pixel. The picture is kept at the device's resolution.
// The least-time marker is a vertical line one layout pixel wide: on the screen it is exactly two
// device pixels of dark grey between pure background, with no blended edge. With the panel open
// the window keeps the layout's places, in layout pixels, and the graph is drawn at the screen's
// resolution, two device pixels to each of its own.
TEST_F(HighDpi, ControlsScaleWithThePictureWhichIsKeptSharpAtTheDevicesResolutionAsIsTheGraph)
{
    EXPECT_EQ(find("cmdStart")->geometry(), QRect(528, 16, 89, 28));
    // The window with its controls as it paints itself, in device pixels.
    const QImage window = form.grab().toImage();
    ASSERT_EQ(window.size(), QSize(1600, 1162));
    const QRgb background = lightGreyPixel.rgb();
    EXPECT_EQ(row(window, 1054, 60, 4), (QList<QRgb>{background, background, window.pixel(1056, 60), window.pixel(1056, 60)}));
    EXPECT_NE(window.pixel(1056, 60), background);
    EXPECT_EQ(window.pixel(1144, 31), background);
    EXPECT_EQ(window.pixel(1144, 32), window.pixel(1144, 33));
    EXPECT_NE(window.pixel(1144, 32), background);

    click("cmdStart");
    EXPECT_EQ(form.surface().picture().size(), QSize(1600, 1162));
    EXPECT_EQ(form.surface().picture().deviceIndependentSize(), QSizeF(800, 581));
    QList<QRgb> expected(16, lightGreyPixel.rgb());
    expected[7] = expected[8] = darkGreyPixel.rgb();
    EXPECT_EQ(row(form.surface().picture(), 2 * 400, 2 * 200, 16), expected) << "the picture";
    EXPECT_EQ(row(form.grab().toImage(), 2 * 400, 2 * 200, 16), expected) << "the window";

    form.openExplore(true);
    EXPECT_EQ(form.size(), QSize(800 + ExplorePanel::panelWidth, 581));
    EXPECT_EQ(find("explorePanel")->x(), 800);
    const QImage& graph = form.findChild<BrightnessGraphView*>()->picture();
    EXPECT_EQ(graph.size(), QSize(600, 300));
    EXPECT_EQ(graph.devicePixelRatio(), 2);
}

}  // namespace
}  // namespace quorvel
