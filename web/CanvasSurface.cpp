#include "web/CanvasSurface.h"

#include <emscripten.h>
#include <emscripten/val.h>

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

namespace {

constexpr int noFill = -1;

int packed(Rgb colour) { return colour.red << 16 | colour.green << 8 | colour.blue; }

// clang-format off
EM_JS(void, drawLine, (int canvas, float x1, float y1, float x2, float y2, int colour, int penWidth), {
    Module.canvases[canvas].line(x1, y1, x2, y2, colour, penWidth);
});

EM_JS(void, drawCircle, (int canvas, float x, float y, float radius, int outline, int penWidth, int fill), {
    Module.canvases[canvas].circle(x, y, radius, outline, penWidth, fill);
});

EM_JS(void, fillRect, (int canvas, int left, int top, int width, int height, int colour), {
    Module.canvases[canvas].fillRect(left, top, width, height, colour);
});

EM_JS(void, drawText, (int canvas, float x, float y, const char* words, int anchor, int size, int colour), {
    Module.canvases[canvas].text(x, y, UTF8ToString(words), ['start', 'center', 'end'][anchor], size, colour);
});
// clang-format on

Rgb computedColour(emscripten::val probe, const char* name)
{
    probe["style"].set("color", std::string(name));
    const auto text = emscripten::val::global("getComputedStyle")(probe)["color"].as<std::string>();
    // "rgb(255, 255, 255)": the first three numbers.
    std::array<std::uint8_t, 3> parts{};
    std::size_t part = 0;
    bool inNumber = false;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit && part < parts.size())
            parts[part] = static_cast<std::uint8_t>(parts[part] * 10 + (c - '0'));
        else if (inNumber)
            ++part;
        inNumber = digit;
    }
    return {parts[0], parts[1], parts[2]};
}

}  // namespace

// Caption text is drawn as the highlighted text is, on the desktop as here.
SystemPalette browserPalette()
{
    const auto document = emscripten::val::global("document");
    auto probe = document.call<emscripten::val>("createElement", std::string("span"));
    document["body"].call<void>("append", probe);
    const SystemPalette palette{computedColour(probe, "HighlightText"), computedColour(probe, "ButtonFace"), computedColour(probe, "ButtonText")};
    probe.call<void>("remove");
    return palette;
}

// The canvas is always addressed in pixels from its corner.
void CanvasSurface::resetToPixels() {}

// A line through a non-finite point shows nothing. A row line covers the pixels from its left
// end's to its right end's, as the desktop draws it.
void CanvasSurface::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!allFinite({x1, y1, x2, y2}) || state_.heldAsRow(x1, y1, x2, y2, colour))
        return;
    flush();
    // A row line that does not continue the rows held starts rows of its own.
    if (state_.heldAsRow(x1, y1, x2, y2, colour))
        return;
    drawLine(canvas_, x1, y1, x2, y2, packed(state_.rgb(colour)), state_.penWidth());
}

void CanvasSurface::circle(float x, float y, float radius, std::optional<Colour> outline)
{
    flush();
    const std::optional<Rgb> fill = state_.fill();
    drawCircle(canvas_, x, y, radius, packed(state_.outline(outline)), state_.penWidth(), fill ? packed(*fill) : noFill);
}

void CanvasSurface::text(float x, float y, const std::string& words, TextAnchor anchor, int size, Colour colour)
{
    if (!allFinite({x, y}))
        return;
    flush();
    drawText(canvas_, x, y, words.c_str(), static_cast<int>(anchor), size, packed(state_.rgb(colour)));
}

void CanvasSurface::flush()
{
    if (const auto rows = state_.takeHeldRows())
        fillRect(canvas_, rows->left, rows->top, rows->width, rows->height, packed(rows->colour));
}

}  // namespace quorvel
