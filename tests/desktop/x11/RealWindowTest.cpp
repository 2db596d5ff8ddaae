#include "tests/desktop/Pixels.h"
#include "tests/desktop/x11/XSession.h"

#include "core/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace quorvel::testing {
namespace {

using namespace std::chrono_literals;

// With no window manager the window stands at the screen's origin with no frame, so screen
// pixels are client-area pixels. The desktop colours are those of the toolkit's plain theme.
const QColor captionText(255, 255, 255);
const QColor buttonFace(0xef, 0xef, 0xef);

QRect boxOf(std::string_view name)
{
    const ControlBox& box = windowControl(name).box;
    return {box.left, box.top, box.width, box.height};
}

const QPoint startButton = boxOf("cmdStart").center();
const QPoint exitButton = boxOf("cmdKonec").center();
const QPoint speedUp = QPoint(boxOf("HScroll1").right() - 6, boxOf("HScroll1").center().y());  // the right arrow

// Whether the colour shows within `reach` pixels of the point of the screen within the time.
bool waitForColourNear(XClient& client, QPoint at, QColor colour, std::chrono::milliseconds timeout, int reach = 1)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (hasColourNear(client.screenshot(), at, colour, reach))
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = client.waitForWindow("Quorvel - ", 20s);
        ASSERT_TRUE(window) << "the program's window did not appear";
        // Shown and painted: the client area's light grey is on the screen.
        ASSERT_TRUE(waitForColourNear(client, {700, 500}, lightGreyPixel, 5s, 0));
    }

    void setSlowdown(int slowdown)
    {
        for (int i = 1; i < slowdown; ++i) {
            client.click(speedUp.x(), speedUp.y());
            std::this_thread::sleep_for(30ms);
        }
    }

    XServer server;
    Program program{{QUORVEL_EXECUTABLE}, server.display()};
    XClient client{server.display()};
    std::optional<XWindow> window;
};

// The window offers its icon at the sizes a desktop asks for.
TEST_F(RealWindow, StartClickedWithTheMouseDrawsThePictureAndTheWindowOffersItsIcon)
{
    std::vector<std::pair<int, int>> sizes = client.iconSizes(*window);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));

    const auto pressed = std::chrono::steady_clock::now();
    client.click(startButton.x(), startButton.y());
    // The green sum vector is the last thing Start draws but for the two circles.
    ASSERT_TRUE(waitForColourNear(client, {624, 132}, greenPixel, 5s)) << "Start at slowdown 1 did not finish within a few seconds";
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 5s);
    std::this_thread::sleep_for(100ms);
    const QImage shot = client.screenshot();
    shot.save(QStringLiteral(QUORVEL_SCREENSHOT_DIR "/real-window-after-start.png"));

    // The picture's marks themselves are checked on the offscreen window.
    EXPECT_EQ(shot.pixelColor(354, 238), captionText) << "source fill";
    EXPECT_EQ(shot.pixelColor(454, 238), captionText) << "detector fill, drawn again at the end";

    client.click(exitButton.x(), exitButton.y());
    EXPECT_EQ(program.waitForExit(5s), 0) << "Exit ends the program with status 0";
}

// A close request, as from the title bar, ends the 9-second sweep at its next pause.
TEST_F(RealWindow, TheStaticPictureShowsWhileASlowSweepRunsAndACloseRequestEndsItCleanly)
{
    setSlowdown(20);
    client.click(startButton.x(), startButton.y());
    std::this_thread::sleep_for(1500ms);
    const QImage shot = client.screenshot();
    shot.save(QStringLiteral(QUORVEL_SCREENSHOT_DIR "/real-window-during-sweep.png"));
    EXPECT_EQ(shot.pixelColor(454, 238), buttonFace) << "detector fill of the static picture";
    EXPECT_FALSE(hasColourNear(shot, {624, 132}, greenPixel, 3)) << "no results yet";
    ASSERT_TRUE(program.running());
    client.requestClose(*window);
    EXPECT_EQ(program.waitForExit(1s), 0);
}

// Exit clicked during a sweep closes the window once the sweep has ended, and the program ends
// within a second of it; a Start clicked after Exit is dropped, not run on the closing window.
TEST_F(RealWindow, ExitClickedDuringASweepWaitsForItsEnd)
{
    setSlowdown(5);  // a sweep of about 2.3 seconds
    const auto pressed = std::chrono::steady_clock::now();
    client.click(startButton.x(), startButton.y());
    std::this_thread::sleep_for(300ms);
    client.click(exitButton.x(), exitButton.y());
    client.click(startButton.x(), startButton.y());
    std::this_thread::sleep_for(1200ms);
    EXPECT_TRUE(program.running()) << "input is handled after the command, not during it";
    EXPECT_EQ(program.waitForExit(2s), 0);
    EXPECT_GT(std::chrono::steady_clock::now() - pressed, 2s);
}

// A client that destroys the window outright, as `xdotool windowclose` does, ends the program as
// a close does.
TEST_F(RealWindow, AWindowDestroyedByAnotherClientEndsTheProgram)
{
    client.destroy(*window);
    EXPECT_EQ(program.waitForExit(5s), 0);
}

// --scale 2 draws every pixel of the layout as two by two device pixels: the window covers 1600 x
// 1162 of the screen. Where its controls stand and how sharp it draws at that scale is checked on
// a desktop scaled to 200 % in the high-dpi tests.
TEST(ScaledRealWindow, ScaleTwoDrawsTheLayoutAtTwiceItsSize)
{
    XServer server(1800, 1300);
    Program program({QUORVEL_EXECUTABLE, "--scale", "2"}, server.display());
    XClient client(server.display());
    ASSERT_TRUE(client.waitForWindow("Quorvel - ", 20s)) << "the program's window did not appear";
    EXPECT_TRUE(waitForColourNear(client, {1599, 1161}, lightGreyPixel, 5s, 0)) << "the window's far corner";
    EXPECT_NE(client.screenshot().pixelColor(1601, 1163), lightGreyPixel) << "the screen beyond it";
}

// 800 x 581 at 2 is 1600 x 1162, taller than the screen; at 1.8 the panel's 324 more make it
// 2023 wide. Each is refused before a window shows; one that fits shows.
TEST(ScaledRealWindow, AScaleBeyondTheScreenIsRefusedAndOneThatFitsShows)
{
    XServer server(1920, 1080);
    for (const auto& command : std::vector<std::vector<std::string>>{{QUORVEL_EXECUTABLE, "--scale", "2"}, {QUORVEL_EXECUTABLE, "--scale", "1.8", "--explore"}}) {
        Program refused(command, server.display());
        EXPECT_EQ(refused.waitForExit(10s), 2) << command[2];
    }
    Program fits({QUORVEL_EXECUTABLE, "--scale", "1.7", "--explore"}, server.display());
    XClient client(server.display());
    EXPECT_TRUE(client.waitForWindow("Quorvel - ", 20s)) << "the window at 1.7 with its panel";
}

}  // namespace
}  // namespace quorvel::testing
