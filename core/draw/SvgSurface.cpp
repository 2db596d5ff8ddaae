#include "core/draw/SvgSurface.h"

#include "core/text/DecimalText.h"
#include "core/text/EscapedControls.h"
#include "core/draw/FontFaces.h"

#include <string>
#include <cmath>
#include <initializer_list>

namespace quorvel {

namespace {

// Up to three decimals, a thousandth of a pixel being finer than any renderer draws.
std::string numberText(double value)
{
    std::string text = decimalText(std::llround(value * 1000), 3);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// A row or column line's place across its pixel: its middle for an odd pen, its edge for an
// even one, so that the pen covers whole pixels.
float snapped(float position, int penWidth) { return static_cast<float>(pixelOf(position)) + (penWidth % 2 != 0 ? 0.5F : 0.0F); }

// Control characters have no place in XML, not even as character references: they are written
// as escapes of their own.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : escapedControls(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::string_view value)
{
    std::string text(" ");
    text.append(name).append("=\"").append(value) += '"';
    return text;
}

// The colour as SVG writes it: #rrggbb.
std::string colourText(Rgb rgb)
{
    constexpr std::string_view hex = "0123456789abcdef";
    std::string text = "#";
    for (const int part : {rgb.red, rgb.green, rgb.blue}) {
        text += hex[static_cast<std::size_t>(part >> 4)];
        text += hex[static_cast<std::size_t>(part & 15)];
    }
    return text;
}

}  // namespace

SvgSurface::SvgSurface(SystemPalette palette, int width, int height) : StateKeepingSurface(palette)
{
    const std::string w = numberText(width);
    const std::string h = numberText(height);
    body_ = "<svg xmlns=\"http://www.w3.org/2000/svg\"" + attribute("width", w) + attribute("height", h) + attribute("viewBox", "0 0 " + w + ' ' + h) + ">\n";
}

// The picture is always addressed in pixels from its corner.
void SvgSurface::resetToPixels() {}

void SvgSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!allFinite({x1, y1, x2, y2}) || state_.heldAsRow(x1, y1, x2, y2, colour))
        return;
    fillHeldRows();
    // A row line that does not continue the rows held starts rows of its own.
    if (state_.heldAsRow(x1, y1, x2, y2, colour))
        return;
    const int penWidth = state_.penWidth();
    const bool alongPixels = x1 == x2 || y1 == y2;
    const auto at = [&](float position) { return numberText(alongPixels ? snapped(position, penWidth) : position + 0.5F); };
    const std::string pen = attribute("stroke", colourText(state_.rgb(colour))) + attribute("stroke-width", numberText(penWidth))
                            + attribute("stroke-linecap", alongPixels ? "square" : "round");
    element(pen, "line", attribute("x1", at(x1)) + attribute("y1", at(y1)) + attribute("x2", at(x2)) + attribute("y2", at(y2)) + "/>");
}

void SvgSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    if (!allFinite({x, y, radius}))
        return;
    fillHeldRows();
    const std::optional<Rgb> fill = state_.fill();
    const std::string pen = attribute("stroke", colourText(state_.outline(outline))) + attribute("stroke-width", numberText(state_.penWidth()))
                            + attribute("fill", fill ? colourText(*fill) : "none");
    element(pen, "circle", attribute("cx", numberText(x + 0.5F)) + attribute("cy", numberText(y + 0.5F)) + attribute("r", numberText(std::abs(radius))) + "/>");
}

void SvgSurface::fillRect(int left, int top, int width, int height, Colour colour)
{
    fillHeldRows();
    element(attribute("fill", colourText(state_.rgb(colour))), "rect", attribute("x", numberText(left)) + attribute("y", numberText(top)) + attribute("width", numberText(width))
                                                       + attribute("height", numberText(height)) + "/>");
}

void SvgSurface::text(float x, float baseline, std::string_view words, int pixelSize, bool centred, Colour colour)
{
    fillHeldRows();
    const std::string face = attribute("font-family", serifFaces) + attribute("font-weight", "bold")
                             + attribute("font-size", numberText(pixelSize)) + attribute("fill", colourText(state_.rgb(colour)))
                             + (centred ? attribute("text-anchor", "middle") : std::string());
    element(face, "text", attribute("x", numberText(x)) + attribute("y", numberText(baseline)) + ">" + escaped(words) + "</text>");
}

void SvgSurface::fillHeldRows()
{
    if (const auto rows = state_.takeHeldRows())
        fillRect(rows->left, rows->top, rows->width, rows->height, rows->colour);
}

std::string SvgSurface::document()
{
    fillHeldRows();
    writeGroup();
    return body_ + "</svg>\n";
}

void SvgSurface::element(const std::string& groupAttributes, std::string_view name, const std::string& rest)
{
    if (groupAttributes != groupAttributes_) {
        writeGroup();
        groupAttributes_ = groupAttributes;
    }
    held_.emplace_back(name, rest);
}

// An element alone carries its attributes itself.
void SvgSurface::writeGroup()
{
    if (held_.size() == 1) {
        body_ += '<' + held_.front().first + groupAttributes_ + held_.front().second + '\n';
    } else if (!held_.empty()) {
        body_ += "<g" + groupAttributes_ + ">\n";
        for (const auto& [name, rest] : held_)
            body_ += '<' + name + rest + '\n';
        body_ += "</g>\n";
    }
    held_.clear();
}

}  // namespace quorvel
