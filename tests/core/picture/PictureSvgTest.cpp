#include "core/layout/CaptionLines.h"
#include "core/picture/PictureSvg.h"
#include "core/layout/WindowLabels.h"
#include "tests/core/window/ModelWindow.h"
#include "tests/support/WorkedValues.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <tuple>
#include <utility>

namespace quorvel::testing {
namespace {

constexpr SystemPalette palette{{250, 250, 10}, {200, 100, 50}, {1, 2, 3}};

// The picture as a renderer shows it: rsvg-convert's PNG turned into a PPM, which is simple to read.
struct Rendering {
    int width = 0;
    int height = 0;
    std::string rgb;

    Rgb at(int x, int y) const
    {
        const auto i = static_cast<std::size_t>(3 * (y * width + x));
        return {static_cast<std::uint8_t>(rgb[i]), static_cast<std::uint8_t>(rgb[i + 1]), static_cast<std::uint8_t>(rgb[i + 2])};
    }
    // Whether a pixel of the colour lies in the box width by height from left, top.
    bool hasIn(int left, int top, int width, int height, Rgb colour) const
    {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                if (at(x, y) == colour)
                    return true;
            }
        }
        return false;
    }
    bool hasNear(int x, int y, Rgb colour, int reach = 1) const { return hasIn(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1, colour); }
};

std::optional<Rendering> render(const std::string& svg, const std::string& name)
{
    const std::string base = ::testing::TempDir() + name;
    std::ofstream(base + ".svg", std::ios::binary) << svg;
    if (std::system(("xmllint --noout " + base + ".svg && rsvg-convert -f png " + base + ".svg | pngtopnm > " + base + ".ppm").c_str()) != 0)
        return std::nullopt;
    std::ifstream file(base + ".ppm", std::ios::binary);
    std::string magic;
    Rendering image;
    int maximum = 0;
    file >> magic >> image.width >> image.height >> maximum;
    file.get();
    image.rgb.resize(static_cast<std::size_t>(3 * image.width * image.height));
    file.read(image.rgb.data(), static_cast<std::streamsize>(image.rgb.size()));
    if (magic != "P6" || maximum != 255 || !file)
        return std::nullopt;
    return image;
}

bool toolsPresent() { return std::system("command -v xmllint rsvg-convert pngtopnm >/dev/null") == 0; }

// Each setting's finished picture, rendered, shows the marks where the window shows them and the
// labels on show with their captions, the prompt while the handlers leave it shown.
TEST(PictureSvg, RendersEachSettingsMarksAndLabels)
{
    if (!toolsPresent())
        GTEST_SKIP() << "needs xmllint, rsvg-convert and pngtopnm";
    for (const auto& setting : workedSettings()) {
        SCOPED_TRACE(workedSettingName(setting));
        ModelWindow window;
        const bool classicStart = setting["distance"] == "0" && setting["frequency"] == "1";
        if (setting["distance"] == "250")
            window.model.choose(Option::op250);
        if (setting["frequency"] == "2")
            window.model.choose(Option::op2);
        window.startAndFinish();
        const std::string svg = window.model.pictureSvg(palette);
        const auto image = render(svg, "setting");
        ASSERT_TRUE(image) << "not well-formed, or not rendered";
        ASSERT_EQ(std::pair(image->width, image->height), std::pair(800, 581));
        const auto& check = setting["checkPixels"];
        EXPECT_TRUE(image->hasNear(check["sumVector"][0], check["sumVector"][1], green)) << "sum vector";
        EXPECT_TRUE(image->hasNear(check["marker"][0], check["marker"][1], darkGrey)) << "least-time marker";
        EXPECT_TRUE(image->hasNear(check["source"][0], check["source"][1], palette.captionText, 0)) << "source fill";
        EXPECT_TRUE(image->hasNear(check["detector"][0], check["detector"][1], palette.captionText, 0)) << "detector fill";
        const int sourceX = setting["sourceX"];
        EXPECT_TRUE(image->hasNear(sourceX + 105, 240, darkGrey)) << "detector outline";
        EXPECT_TRUE(image->hasNear(sourceX - 5, 240, palette.buttonText)) << "source outline";
        EXPECT_EQ(std::tuple(image->at(600, 489), image->at(600, 490), image->at(600, 491)), std::tuple(lightGrey, darkGrey, lightGrey))
            << "the base line is one crisp row";
        EXPECT_EQ(image->at(780, 560), lightGrey) << "the band's empty corner";
        EXPECT_EQ(window.state().promptShown, classicStart);
        for (const WindowLabel& label : windowLabels) {
            const bool shown = label.shown == WindowLabel::Shown::Always || (label.shown == WindowLabel::Shown::WhilePrompting && classicStart)
                               || (label.shown == WindowLabel::Shown::AsResult && window.state().label(label.result).shown);
            const std::string firstLine = ">" + captionLines(label.caption, label.pixelSize, label.width).front() + "</text>";
            EXPECT_EQ(svg.find(firstLine) != std::string::npos, shown) << label.caption;
        }
        for (const auto& [name, place] : setting["labels"].items()) {
            const int left = static_cast<int>(std::lround(place[0].get<double>()));
            const int top = static_cast<int>(std::lround(place[1].get<double>()));
            EXPECT_TRUE(image->hasIn(left, top, 40, 17, palette.buttonText)) << name << " shows its caption";
        }
    }
}

// A picture stopped, or taken mid-run, is drawn again just as the window drew it, and the same
// state gives the same bytes.
TEST(PictureSvg, DrawsAgainWhatTheWindowDrew)
{
    for (const auto& [box, text] : {std::pair{TextBox::nSpomaleni, "1"}, {TextBox::nSpomaleni, "slow"}, {TextBox::nPosun, "far"}}) {
        SCOPED_TRACE(text);
        ModelWindow window;
        window.model.setText(box, text);
        window.model.press(Button::cmdStart);
        const bool stopped = !window.state().running;
        for (int pause = 0; pause < 4 && !stopped; ++pause)
            window.endPause();
        const DrawnPicture drawn{stopped ? DrawnPicture::Stage::Stopped : DrawnPicture::Stage::Drawing, window.state().nPosun, "1", Mirror::whole(),
                                 stopped ? 0 : 5};
        RecordingSurface again;
        drawPictureAgain(again, drawn);
        EXPECT_EQ(again.ops(), window.surface.ops());
        const std::string svg = window.model.pictureSvg(palette);
        EXPECT_EQ(svg, pictureAsSvg(drawn, window.state(), palette));
        EXPECT_EQ(svg, window.model.pictureSvg(palette));
    }
}

}  // namespace
}  // namespace quorvel::testing
