#include "core/text/EscapedControls.h"
#include "core/text/SettingNumber.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>

namespace quorvel {
namespace {

// What a text reads as, bit for bit, so that the sign of a zero counts too.
std::optional<std::uint64_t> bits(std::optional<double> value) { return value ? std::optional(std::bit_cast<std::uint64_t>(*value)) : std::nullopt; }

// A number too small for a double is a number all the same: zero, keeping its sign, as the C
// library reads it. Too large stays refused, as does every text that is no finite number.
TEST(ParseDecimal, ReadsFiniteNumbersUnderflowingToZeroAndRefusesTheRest)
{
    const std::pair<const char*, double> worked[] = {
        {"0", 0.0}, {"250", 250.0}, {"20", 20.0}, {"00", 0.0}, {"250.0", 250.0}, {"-1.5", -1.5}, {"+3", 3.0}, {"2e1", 20.0}, {" 7\t", 7.0},
        {"1e-400", 0.0}, {"0.0001e-320", 0.0}, {"123.45e-330", 0.0}, {"1e-99999999999999999999", 0.0}, {"+2e-324", 0.0}, {"-1e-400", -0.0},
        {"5e-324", 5e-324} /* the smallest subnormal */,
    };
    for (const auto& [text, value] : worked)
        EXPECT_EQ(bits(parseDecimal(text)), bits(value)) << text;
    for (const char* text : {"1e400", "-1000e306", "1e99999999999999999999", "0.1e310", "19000000000001e+9223372036854775799", "", " ", "abc", "nan", "NaN",
                             "inf", "-inf", "infinity", "1e999", "-1e999", "5abc", "1,5", "0x10", "+-5", "++5", "+", "-", ".", "1 2"})
        EXPECT_EQ(parseDecimal(text), std::nullopt) << '"' << text << '"';
}

TEST(EscapedControls, EscapesEveryControlCharacterAndKeepsTheRest)
{
    EXPECT_EQ(escapedControls("a\tb\rc\nd\x7f\x01" "e\u009b"), "a\\tb\\rc\\nd\\x7f\\x01e\\u009b");
    EXPECT_EQ(escapedControls("Zrcadlení ~ \\ 'ok' \u00a0"), "Zrcadlení ~ \\ 'ok' \u00a0");
}

// A text that is no number is shown with its controls escaped.
TEST(SettingNumber, NamesTheSettingAndWhatItHeldOnOneLine)
{
    EXPECT_EQ(settingNumber("frequency (nKmitocet)", "2"), 2.0);
    EXPECT_THAT([] { settingNumber("frequency (nKmitocet)", "two\nlines"); },
                ::testing::ThrowsMessage<SettingsError>(::testing::StrEq("frequency (nKmitocet) setting holds \"two\\nlines\", which is not a number")));
}

}  // namespace
}  // namespace quorvel
