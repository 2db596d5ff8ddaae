#include "core/layout/CaptionLines.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

constexpr double unitsPerEm = 2048;

// The advances of the face's bold printable ASCII, from the space on, in font units.
constexpr std::array<int, 95> advances{
    512,  682,  1137, 1024, 1024, 2048, 1706, 569,  682,  682,  1024, 1167, 512,  682,  512,  569,  1024, 1024, 1024, 1024,
    1024, 1024, 1024, 1024, 1024, 1024, 682,  682,  1167, 1167, 1167, 1024, 1905, 1479, 1366, 1479, 1479, 1366, 1251, 1593,
    1593, 797,  1024, 1593, 1366, 1933, 1479, 1593, 1251, 1593, 1479, 1139, 1366, 1479, 1479, 2048, 1479, 1479, 1366, 682,
    569,  682,  1190, 1024, 682,  1024, 1139, 909,  1139, 909,  682,  1024, 1139, 569,  682,  1139, 569,  1706, 1139, 1024,
    1139, 1139, 909,  797,  682,  1139, 1024, 1479, 1024, 1024, 909,  807,  451,  807,  1065,
};

// The advances of the accented letters and signs of the European languages, from the no-break
// space to the end of Latin Extended-A.
constexpr char32_t firstAccented = 0xA0;
constexpr std::array<int, 224> accentedAdvances{
     512,  682, 1024, 1024, 1024, 1024,  451, 1024,  682, 1530,  614, 1024, 1167,  682, 1530, 1024,  819, 1124,  614,  614,
     682, 1180, 1106,  512,  682,  614,  676, 1024, 1536, 1536, 1536, 1024, 1479, 1479, 1479, 1479, 1479, 1479, 2048, 1479,
    1366, 1366, 1366, 1366,  797,  797,  797,  797, 1479, 1479, 1593, 1593, 1593, 1593, 1593, 1167, 1593, 1479, 1479, 1479,
    1479, 1479, 1251, 1139, 1024, 1024, 1024, 1024, 1024, 1024, 1479,  909,  909,  909,  909,  909,  569,  569,  569,  569,
    1024, 1139, 1024, 1024, 1024, 1024, 1024, 1124, 1024, 1139, 1139, 1139, 1139, 1024, 1139, 1024, 1479, 1024, 1479, 1024,
    1479, 1024, 1479,  909, 1479,  909, 1479,  909, 1479,  909, 1479, 1502, 1479, 1139, 1366,  909, 1366,  909, 1366,  909,
    1366,  909, 1366,  909, 1593, 1024, 1593, 1024, 1593, 1024, 1593, 1024, 1593, 1139, 1593, 1139,  797,  569,  797,  569,
     797,  569,  797,  569,  797,  569, 1685, 1131, 1024,  682, 1593, 1139, 1139, 1366,  569, 1366,  569, 1366,  960, 1366,
     810, 1366,  569, 1479, 1139, 1479, 1139, 1479, 1139, 1493, 1575, 1139, 1593, 1024, 1593, 1024, 1593, 1024, 2048, 1479,
    1479,  909, 1479,  909, 1479,  909, 1139,  797, 1139,  797, 1139,  797, 1139,  797, 1366,  682, 1366, 1067, 1366,  682,
    1479, 1139, 1479, 1139, 1479, 1139, 1479, 1139, 1479, 1139, 1479, 1139, 2048, 1479, 1479, 1024, 1479, 1366,  909, 1366,
     909, 1366,  909,  569,
};

// The typographic dashes, quotes and ellipsis a translation may use.
constexpr std::array<std::pair<char32_t, int>, 8> punctuationAdvances{{
    {0x2013, 1024}, {0x2014, 2048}, {0x2018, 682}, {0x2019, 682}, {0x201C, 1024}, {0x201D, 1024}, {0x201E, 1024}, {0x2026, 2048},
}};

// Anything else is taken as wide as a wide capital, which errs towards wrapping.
constexpr int unknownAdvance = 1479;

int advance(char32_t code)
{
    if (code >= ' ' && code - ' ' < advances.size())
        return advances[code - ' '];
    if (code >= firstAccented && code - firstAccented < accentedAdvances.size())
        return accentedAdvances[code - firstAccented];
    for (const auto& [sign, units] : punctuationAdvances) {
        if (sign == code)
            return units;
    }
    return unknownAdvance;
}

// The next character of UTF-8 text, taken off its front; a stray byte counts as one character.
char32_t takeCharacter(std::string_view& text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    std::size_t taken = 1;
    for (; taken < length && taken < text.size(); ++taken)
        code = (code << 6) | (static_cast<unsigned char>(text[taken]) & 0x3F);
    text.remove_prefix(taken);
    return code;
}

// The box shows a line when the line's letters, as high as the font's size, are inside it.
bool fitsBox(std::string_view caption, int pixelSize, double width, double height)
{
    const std::vector<std::string> lines = captionLines(caption, pixelSize, width);
    for (const std::string& line : lines) {
        if (captionWidth(line, pixelSize) > width)
            return false;
    }
    const double lastLineTop = static_cast<double>(lines.empty() ? 0 : lines.size() - 1) * captionLineSpacing * pixelSize;
    return lastLineTop + pixelSize <= height;
}

}  // namespace

double captionWidth(std::string_view text, int pixelSize)
{
    int units = 0;
    while (!text.empty())
        units += advance(takeCharacter(text));
    return units * pixelSize / unitsPerEm;
}

int fittingPixelSize(std::string_view caption, int pixelSize, double width, double height)
{
    int size = pixelSize;
    while (size > smallestCaptionPixelSize && !fitsBox(caption, size, width, height))
        --size;
    return size;
}

int oneLinePixelSize(std::string_view caption, int pixelSize, double width)
{
    int size = pixelSize;
    while (size > smallestCaptionPixelSize && captionWidth(caption, size) > width)
        --size;
    return size;
}

std::vector<std::string> captionLines(std::string_view caption, int pixelSize, double width)
{
    std::vector<std::string> lines;
    std::string line;
    while (!caption.empty()) {
        const std::size_t space = caption.find(' ');
        const std::string_view word = caption.substr(0, space);
        caption = space == std::string_view::npos ? std::string_view() : caption.substr(space + 1);
        if (word.empty())
            continue;
        const std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (line.empty() || captionWidth(longer, pixelSize) <= width) {
            line = longer;
        } else {
            lines.push_back(std::move(line));
            line = std::string(word);
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

}  // namespace quorvel
