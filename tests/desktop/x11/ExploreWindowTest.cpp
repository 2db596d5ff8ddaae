#include "tests/desktop/Pixels.h"
#include "tests/desktop/x11/XSession.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace quorvel::testing {
namespace {

using namespace std::chrono_literals;

const QPoint segment12(44 + 24 * 11 + 12, 290);  // its centre, counting segments from 1
const QPoint segment11 = segment12 - QPoint(24, 0);
const QPoint belowTheGraph(1000, 500);
const QColor screenBackground(0, 0, 0);

bool waitForScreen(XClient& client, const std::function<bool(const QImage&)>& shows)
{
    for (const auto deadline = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(25ms)) {
        if (shows(client.screenshot()))
            return true;
    }
    return false;
}

// On a screen 1024 pixels wide the panel reaches past its edge, as on a small screen.
TEST(ExploreWindow, OpensWithThePanelBesideThePictureWhereAClickSwitchesASegment)
{
    const XServer server;
    const Program program({QUORVEL_EXECUTABLE, "--explore"}, server.display());
    XClient client(server.display());
    ASSERT_TRUE(client.waitForWindow("Quorvel - ", 20s)) << "the program's window did not appear";
    ASSERT_TRUE(waitForScreen(client, [](const QImage& shot) {
        return shot.pixelColor(700, 500) == lightGreyPixel && shot.pixelColor(belowTheGraph) != screenBackground;
    })) << "no panel beside the picture";

    client.click(segment12.x(), segment12.y());
    ASSERT_TRUE(waitForScreen(client, [](const QImage& shot) { return hasColourNear(shot, segment11, darkGreyPixel, 0); }))
        << "the picture was not drawn at the click";
    const QImage shot = client.screenshot();
    shot.save(QStringLiteral(QUORVEL_SCREENSHOT_DIR "/explore-window-after-click.png"));
    EXPECT_FALSE(hasColourNear(shot, segment12, darkGreyPixel, 0)) << "segment 12 still reflects";
}

}  // namespace
}  // namespace quorvel::testing
