#include "core/draw/SvgSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

constexpr SystemPalette palette{{250, 250, 10}, {200, 100, 50}, {1, 2, 3}};

TEST(SvgSurface, EscapesMarkupAndControlsInACaption)
{
    SvgSurface surface(palette, 20, 20);
    surface.text(1, 15, "Tom & \"Jerry\" <b>it's</b>\x01", 16, false, SystemColour::ButtonText);
    const std::string svg = surface.document();
    EXPECT_NE(svg.find(">Tom &amp; &quot;Jerry&quot; &lt;b&gt;it&apos;s&lt;/b&gt;\\x01</text>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("<b>"), std::string::npos);
}

// Rows of one pen on consecutive rows become one rectangle over their pixels; a line along a
// column sits on the pixel's middle for an odd pen and its edge for an even one; other lines and
// circles name a pixel by its middle.
TEST(SvgSurface, DrawsOnWholePixelsAsTheWindowDoes)
{
    SvgSurface surface(palette, 40, 40);
    for (float y = 30; y > 20; --y)
        surface.line(5.5F, y, 34.2F, y, Rgb{64, 64, 64});
    surface.setPenWidth(3);
    surface.line(7.2F, 1, 7.9F, 1, SystemColour::CaptionText);
    surface.setPenWidth(2);
    surface.line(7.2F, 1, 7.2F, 9, SystemColour::CaptionText);
    surface.line(1, 2, 3, 4.25F, Rgb{0, 255, 0});
    surface.line(3, 4.25F, 9, 1, Rgb{0, 255, 0});
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColour(SystemColour::ButtonFace);
    surface.circle(10, 10, -5, std::nullopt);
    const std::string svg = surface.document();
    const std::string expected = R"(<rect fill="#404040" x="5" y="21" width="30" height="10"/>
<line stroke="#fafa0a" stroke-width="3" stroke-linecap="square" x1="7.5" y1="1.5" x2="7.5" y2="1.5"/>
<line stroke="#fafa0a" stroke-width="2" stroke-linecap="square" x1="7" y1="1" x2="7" y2="9"/>
<g stroke="#00ff00" stroke-width="2" stroke-linecap="round">
<line x1="1.5" y1="2.5" x2="3.5" y2="4.75"/>
<line x1="3.5" y1="4.75" x2="9.5" y2="1.5"/>
</g>
<circle stroke="#010203" stroke-width="2" fill="#c86432" cx="10.5" cy="10.5" r="5"/>
</svg>
)";
    EXPECT_NE(svg.find(expected), std::string::npos) << svg;
}

}  // namespace
}  // namespace quorvel
