#include "sim/SettingNumber.h"

#include <charconv>
#include <cmath>

namespace quorvel {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text as it goes into a one-line message: control characters are shown as \xNN.
std::string printable(const std::string& text)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 0xf];
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text)
{
    text = trimmed(text);
    // from_chars takes no leading plus; a second sign after it must still be refused.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double settingNumber(std::string_view settingName, const std::string& text)
{
    if (const auto value = parseDecimal(text))
        return *value;
    throw SettingsError(std::string(settingName) + " setting holds \"" + printable(text) + "\", which is not a number");
}

}  // namespace quorvel
