#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// A settings text that cannot serve as a number stops the Start command.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a finite decimal number ("250", "-1.5", "2e1"), whatever the user's locale. Blanks around
// the number are allowed; anything else, including "nan" and "inf", is refused.
std::optional<double> parseDecimal(std::string_view text);

// The text without the spaces and tabs around it.
std::string_view trimmed(std::string_view text);

// A whole number written plainly: digits, after a '-' for one below zero.
std::optional<int> wholeNumber(std::string_view text);

// A number of tenths written as decimal digits with a point, "1", "1.5" or "1.50", read exactly;
// none of more than a thousand.
std::optional<int> writtenTenths(std::string_view text);

// The number in a settings text, or SettingsError naming the setting and what it held.
double settingNumber(std::string_view settingName, const std::string& text);

}  // namespace quorvel
