#include "core/text/EscapedControls.h"

namespace quorvel {

namespace {

void appendHex(std::string& text, unsigned char byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    text += digits[byte >> 4];
    text += digits[byte & 15];
}

}  // namespace

std::string escapedControls(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const auto next = k + 1 < text.size() ? static_cast<unsigned char>(text[k + 1]) : 0;
        if (byte == '\n') {
            shown += "\\n";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte == '\r') {
            shown += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x";
            appendHex(shown, byte);
        } else if (byte == 0xc2 && next >= 0x80 && next < 0xa0) {
            // The C1 controls, U+0080 to U+009F: some terminals take U+009B as the start of an
            // escape sequence.
            shown += "\\u00";
            appendHex(shown, next);
            ++k;
        } else {
            shown += static_cast<char>(byte);
        }
    }
    return shown;
}

}  // namespace quorvel
