#include "core/CaptionLines.h"

#include <array>

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

// Anything beyond ASCII is taken as wide as a capital, which errs towards wrapping; the bytes
// that continue a UTF-8 character add nothing.
int advance(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xC0)
        return 0;
    const std::size_t index = byte - std::size_t{' '};
    if (byte < ' ' || index >= advances.size())
        return 1479;
    return advances[index];
}

}  // namespace

double captionWidth(std::string_view text, int pixelSize)
{
    int units = 0;
    for (const char c : text)
        units += advance(c);
    return units * pixelSize / unitsPerEm;
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
