// Every settings text either converts to a finite number, the one the C library reads from it,
// or is refused with a one-line message; none crashes or hangs the conversion. The reading that
// WebAssembly builds use agrees with it on every text.
#include "core/text/SettingNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void require(bool holds, const char* what, const std::string& text)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s for a text of %zu bytes\n", what, text.size());
    std::abort();
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The C library, in the C locale the fuzzer runs in, reads the whole text as the same number.
bool readsTheSameAsStrtod(const std::string& text, double value)
{
    const std::string number(trimmed(text));
    char* end = nullptr;
    const double read = std::strtod(number.c_str(), &end);
    return end == number.c_str() + number.size() && std::memcmp(&read, &value, sizeof read) == 0;
}

bool hasControlCharacter(std::string_view text)
{
    return std::ranges::any_of(text, [](unsigned char byte) { return byte < 0x20 || byte == 0x7f; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = quorvel::parseDecimal(text);
    if (value) {
        require(std::isfinite(*value), "a number that is not finite was accepted", text);
        require(trimmed(text).find_first_not_of("0123456789+-.eE") == std::string_view::npos, "a text with other characters was accepted", text);
        require(readsTheSameAsStrtod(text, *value), "a number differs from the C library's reading", text);
    }
    try {
        const double number = quorvel::settingNumber("distance (nPosun)", text);
        require(value && std::memcmp(&number, &*value, sizeof number) == 0, "settingNumber and parseDecimal disagree", text);
    } catch (const quorvel::SettingsError& error) {
        require(!value, "a number that converts was refused", text);
        require(!hasControlCharacter(error.what()), "a refusal message holds a control character", text);
    }
    return 0;
}
