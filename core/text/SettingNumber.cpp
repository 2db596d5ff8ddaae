#include "core/text/SettingNumber.h"

#include "core/text/EscapedControls.h"
#include "core/text/Translation.h"

#include <charconv>
#include <algorithm>
#include <cmath>

#if defined(__EMSCRIPTEN__)
#include <emscripten/emscripten.h>
#endif

namespace quorvel {

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

// Neither conversion takes a leading plus; a second sign after it must still be refused.
std::string_view withoutPlus(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

}  // namespace

#if defined(__EMSCRIPTEN__)
// WebAssembly's C++ library has no from_chars for floating point, and the C library's strtod
// would bring some 8 KiB of long-double arithmetic into the page; the browser's own reading is
// correctly rounded, as both are. Its NaN stands for a text that is not a number.
namespace {

// The browser also reads hexadecimal numbers, infinities and blanks; none of them is a settings
// number.
bool hasOnlyDecimalCharacters(std::string_view text)
{
    return !text.empty() && text.front() != '+' && text.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
}

}  // namespace

EM_JS(double, readNumberInBrowser, (const char* text, int length), {
    return Number(String.fromCharCode.apply(null, HEAPU8.subarray(text, text + length)));
});

std::optional<double> parseDecimal(std::string_view text)
{
    text = withoutPlus(trimmed(text));
    if (!hasOnlyDecimalCharacters(text))
        return std::nullopt;
    const double value = readNumberInBrowser(text.data(), static_cast<int>(text.size()));
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}
#else
namespace {

// Whether a well-formed decimal number lies below one in size: the power of ten of its first
// significant digit, moved by the exponent, is negative. Only the sign of that sum matters, so
// both terms are held within a range far beyond any double's, where their sum cannot overflow.
bool isBelowOne(std::string_view number)
{
    constexpr long long farBeyond = 1LL << 40;
    if (!number.empty() && (number.front() == '+' || number.front() == '-'))
        number.remove_prefix(1);
    const std::size_t exponentAt = number.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view written = number.substr(exponentAt + 1);
        if (!written.empty() && written.front() == '+')
            written.remove_prefix(1);
        if (std::from_chars(written.data(), written.data() + written.size(), exponent).ec != std::errc{})
            exponent = written.starts_with('-') ? -farBeyond : farBeyond;
        number = number.substr(0, exponentAt);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return true;
    const long long lead = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    return std::clamp(lead, -farBeyond, farBeyond) + std::clamp(exponent, -farBeyond, farBeyond) < 0;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text)
{
    text = withoutPlus(trimmed(text));
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (stop != end)
        return std::nullopt;
    // A number too small for a double is still a number: it is zero, with its sign.
    if (error == std::errc::result_out_of_range && isBelowOne(text))
        return text.starts_with('-') ? -0.0 : 0.0;
    if (error != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return value;
}
#endif

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<int> wholeNumber(std::string_view text)
{
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

std::optional<int> writtenTenths(std::string_view text)
{
    const std::size_t dot = text.find('.');
    const std::string_view units = text.substr(0, dot);
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view("0") : text.substr(dot + 1);
    if (!isDigits(units) || !isDigits(fraction) || fraction.find_first_not_of('0', 1) != std::string_view::npos)
        return std::nullopt;
    const auto whole = wholeNumber(units);
    if (!whole || *whole > 1000)
        return std::nullopt;
    return *whole * 10 + (fraction[0] - '0');
}

double settingNumber(std::string_view settingName, const std::string& text)
{
    if (const auto value = parseDecimal(text))
        return *value;
    throw SettingsError(fillIn(translate("SettingNumber", "%1 setting holds \"%2\", which is not a number"), {translate("SettingNumber", settingName), escapedControls(text)}));
}

}  // namespace quorvel
