#include "tests/desktop/FormFixture.h"

#include "desktop/BrightnessGraphView.h"
#include "desktop/ExplorePanel.h"

namespace quorvel {
namespace {

using ExploreHighDpi = testing::FormFixture;

// At 200 % the panel stands beside the window's area in layout pixels, and the graph is drawn
// at the screen's resolution, two device pixels to each of its own.
TEST_F(ExploreHighDpi, ThePanelKeepsTheLayoutsPlacesAndTheGraphTheScreensResolution)
{
    form.openExplore(true);
    EXPECT_EQ(form.size(), QSize(800 + ExplorePanel::panelWidth, 581));
    EXPECT_EQ(find("explorePanel")->x(), 800);
    const QImage& graph = form.findChild<BrightnessGraphView*>()->picture();
    EXPECT_EQ(graph.size(), QSize(600, 300));
    EXPECT_EQ(graph.devicePixelRatio(), 2);
}

}  // namespace
}  // namespace quorvel
