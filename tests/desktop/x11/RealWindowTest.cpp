#include "tests/desktop/Pixels.h"
#include "tests/desktop/x11/XSession.h"

#include "core/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
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

// The centre of an option's circle: its frame's left edge, the option's and half a circle.
QPoint circleOf(std::string_view name) { return boxOf(windowControl(name).parent).topLeft() + boxOf(name).topLeft() + QPoint(6, 6); }

const QPoint startButton = boxOf("cmdStart").center();
const QPoint exitButton = boxOf("cmdKonec").center();
const QPoint speedUp = QPoint(boxOf("HScroll1").right() - 6, boxOf("HScroll1").center().y());  // the right arrow
const QPoint circle0 = circleOf("op0");
const QPoint circle250 = circleOf("op250");
const QPoint circle1 = circleOf("op1");
const QPoint circle2 = circleOf("op2");

// Whether the colour shows at or next to the point of the screen within the time.
bool waitForColourNear(XClient& client, QPoint at, QColor colour, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (hasColourNear(client.screenshot(), at, colour))
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
        for (int i = 0; i < 200 && client.screenshot().pixelColor(700, 500) != lightGreyPixel; ++i)
            std::this_thread::sleep_for(25ms);
        ASSERT_EQ(client.screenshot().pixelColor(700, 500), lightGreyPixel);
    }

    // Waits for the green sum vector, the last thing Start draws but for the two circles, by
    // default where distance 0 and frequency 1 put it.
    bool waitForResults(std::chrono::milliseconds timeout, QPoint sumVector = {624, 132})
    {
        return waitForColourNear(client, sumVector, greenPixel, timeout);
    }

    // The client area once nothing has changed on it for a while: Start draws a point every
    // pause, so a still picture means that no sweep runs.
    std::optional<QImage> waitUntilStill(std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        QImage last = clientArea();
        auto stillSince = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(100ms);
            QImage now = clientArea();
            if (now != last) {
                last = std::move(now);
                stillSince = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - stillSince > 1s) {
                return last;
            }
        }
        return std::nullopt;
    }

    QImage clientArea() { return client.screenshot().copy(0, 0, pictureSize.width, pictureSize.height); }

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

TEST_F(RealWindow, StartClickedWithTheMouseDrawsThePicture)
{
    const auto pressed = std::chrono::steady_clock::now();
    client.click(startButton.x(), startButton.y());
    ASSERT_TRUE(waitForResults(5s)) << "Start at slowdown 1 did not finish within a few seconds";
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 5s);
    std::this_thread::sleep_for(100ms);
    const QImage shot = client.screenshot();
    shot.save(QStringLiteral(QUORVEL_SCREENSHOT_DIR "/real-window-after-start.png"));

    // Fills are sampled above the centres, where no ray passes.
    EXPECT_EQ(shot.pixelColor(354, 238), captionText) << "source fill";
    EXPECT_EQ(shot.pixelColor(454, 238), captionText) << "detector fill, drawn again at the end";
    EXPECT_TRUE(hasColourNear(shot, {459, 240}, darkGreyPixel)) << "detector outline";
    EXPECT_TRUE(hasColourNear(shot, {600, 290}, darkGreyPixel)) << "mirror";
    EXPECT_TRUE(hasColourNear(shot, {44, 420}, darkGreyPixel)) << "time-curve axis";
    EXPECT_TRUE(hasColourNear(shot, {404, 420}, darkGreyPixel)) << "least-time marker";
    EXPECT_TRUE(hasColourNear(shot, {624, 132}, greenPixel)) << "sum vector";
    EXPECT_EQ(shot.pixelColor(780, 560), lightGreyPixel) << "the band's empty corner";

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
    EXPECT_EQ(shot.pixelColor(354, 238), captionText) << "source fill";
    EXPECT_EQ(shot.pixelColor(454, 238), buttonFace) << "detector fill of the static picture";
    EXPECT_TRUE(hasColourNear(shot, {700, 290}, darkGreyPixel)) << "mirror";
    EXPECT_FALSE(hasColourNear(shot, {624, 132}, greenPixel, 3)) << "no results yet";
    ASSERT_TRUE(program.running());
    client.requestClose(*window);
    EXPECT_EQ(program.waitForExit(1s), 0);
}

TEST_F(RealWindow, ResizingSmallerAndBackDuringOrAfterASweepLosesNothing)
{
    setSlowdown(5);
    client.click(startButton.x(), startButton.y());
    const std::optional<QImage> oneSweep = waitUntilStill(10s);
    ASSERT_TRUE(oneSweep);

    client.click(startButton.x(), startButton.y());
    std::this_thread::sleep_for(800ms);
    client.resize(*window, 300, 200);
    std::this_thread::sleep_for(500ms);
    EXPECT_NE(client.screenshot().pixelColor(700, 500), lightGreyPixel) << "the window became smaller";
    client.resize(*window, pictureSize.width, pictureSize.height);
    const std::optional<QImage> resizedDuring = waitUntilStill(10s);
    ASSERT_TRUE(resizedDuring);
    EXPECT_TRUE(*resizedDuring == *oneSweep) << "resized during the sweep";

    client.resize(*window, 200, 150);
    std::this_thread::sleep_for(300ms);
    client.resize(*window, pictureSize.width, pictureSize.height);
    const std::optional<QImage> resizedAfter = waitUntilStill(5s);
    ASSERT_TRUE(resizedAfter);
    resizedAfter->save(QStringLiteral(QUORVEL_SCREENSHOT_DIR "/real-window-resized-back.png"));
    EXPECT_TRUE(*resizedAfter == *oneSweep) << "resized after the sweep";
}

// A selected option has a dot in its circle. The boxes of 0 and 1 reach over the circles of 250
// and 2, so this checks that the click lands on the option drawn where the user aims.
TEST_F(RealWindow, AClickOnTheCentreOfEachOptionsCircleChoosesThatOption)
{
    // A busy machine may repaint late, so a look waits a while for the colour it expects.
    const auto look = [this](QPoint centre, std::optional<QColor> expected = std::nullopt) {
        client.moveTo(700, 560);  // no hover highlight
        QColor seen;
        for (int tries = 0; tries < 20; ++tries) {
            std::this_thread::sleep_for(150ms);
            seen = client.screenshot().pixelColor(centre);
            if (!expected || seen == *expected)
                break;
        }
        return seen;
    };
    const QColor selected = look(circle0);
    const QColor unselected = look(circle250);
    ASSERT_NE(selected, unselected);
    const struct {
        QPoint click, chosen, cleared;
    } choices[] = {{circle250, circle250, circle0}, {circle2, circle2, circle1}, {circle1, circle1, circle2}, {circle0, circle0, circle250}};
    for (const auto& choice : choices) {
        client.click(choice.click.x(), choice.click.y());
        EXPECT_EQ(look(choice.chosen, selected), selected) << choice.click.x();
        EXPECT_EQ(look(choice.cleared, unselected), unselected) << choice.click.x();
    }
    // Two clicks a user could make: a tenth of a second apart.
    client.click(circle250.x(), circle250.y());
    std::this_thread::sleep_for(100ms);
    client.click(circle2.x(), circle2.y());
    EXPECT_EQ(look(circle250, selected), selected) << "250 chosen before Start";
    EXPECT_EQ(look(circle2, selected), selected) << "2 chosen before Start";
    client.click(startButton.x(), startButton.y());
    // However busy the machine, the sweep of half a second ends within a few seconds.
    EXPECT_TRUE(waitForResults(10s, {308, 150})) << "the sum vector of distance 250 and frequency 2";
    EXPECT_EQ(client.screenshot().pixelColor(104, 238), captionText) << "the source of distance 250";
}

TEST_F(RealWindow, TheWindowOffersItsIconAtTheSizesADesktopAsksFor)
{
    const std::vector<std::pair<int, int>> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    std::vector<std::pair<int, int>> sizes = client.iconSizes(*window);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, expected);
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
// 1162 of the screen, Start's outline begins at (1056, 32), and the least-time marker, one pixel
// wide in the layout, is two device pixels of dark grey with no blended edge.
TEST(ScaledRealWindow, ScaleTwoDrawsTheLayoutAtTwiceItsSizeAndSharp)
{
    XServer server(1800, 1300);
    Program program({QUORVEL_EXECUTABLE, "--scale", "2"}, server.display());
    XClient client(server.display());
    const std::optional<XWindow> window = client.waitForWindow("Quorvel - ", 20s);
    ASSERT_TRUE(window) << "the program's window did not appear";
    for (int i = 0; i < 200 && client.screenshot().pixelColor(1599, 1161) != lightGreyPixel; ++i)
        std::this_thread::sleep_for(25ms);
    const QImage shown = client.screenshot();
    EXPECT_EQ(shown.pixelColor(1599, 1161), lightGreyPixel) << "the window's far corner";
    EXPECT_NE(shown.pixelColor(1601, 1163), lightGreyPixel) << "the screen beyond it";
    EXPECT_EQ(shown.pixelColor(1055, 60), lightGreyPixel);
    EXPECT_NE(shown.pixelColor(1056, 60), lightGreyPixel) << "Start's left edge";

    client.click(2 * startButton.x(), 2 * startButton.y());
    ASSERT_TRUE(waitForColourNear(client, {2 * 624, 2 * 132}, greenPixel, 5s)) << "Start did not finish";
    const QImage drawn = client.screenshot();
    for (int x = 800; x < 816; ++x)
        EXPECT_EQ(drawn.pixelColor(x, 400), x == 807 || x == 808 ? darkGreyPixel : lightGreyPixel) << x;
    client.requestClose(*window);
    EXPECT_EQ(program.waitForExit(5s), 0);
}

// 800 x 581 at 2 is 1600 x 1162, taller than the screen; at 1.8 the panel's 324 more make it
// 2023 wide. Each is refused before a window shows; one that fits shows.
TEST(ScaledRealWindow, AScaleBeyondTheScreenIsRefusedAndOneThatFitsShows)
{
    XServer server(1920, 1080);
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"--scale", "2"}, {"--scale", "1.8", "--explore"}}) {
        std::vector<std::string> command{QUORVEL_EXECUTABLE};
        command.insert(command.end(), arguments.begin(), arguments.end());
        Program refused(command, server.display());
        EXPECT_EQ(refused.waitForExit(10s), 2) << arguments[1];
    }
    Program fits({QUORVEL_EXECUTABLE, "--scale", "1.7", "--explore"}, server.display());
    XClient client(server.display());
    EXPECT_TRUE(client.waitForWindow("Quorvel - ", 20s)) << "the window at 1.7 with its panel";
}

}  // namespace
}  // namespace quorvel::testing
