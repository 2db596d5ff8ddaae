#include "core/text/SettingNumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

TEST(ParseDecimal, ReadsTheNumbersASettingCanHold)
{
    for (const auto& [text, value] : {std::pair{"0", 0.0}, {"250", 250.0}, {"20", 20.0}, {"00", 0.0}, {"250.0", 250.0}, {"-1.5", -1.5}, {"+3", 3.0}, {"2e1", 20.0}, {" 7\t", 7.0}})
        EXPECT_EQ(parseDecimal(text), value) << text;
}

// Too small for a double, but a number all the same: zero, keeping its sign, as the C library
// reads it. Too large stays refused.
TEST(ParseDecimal, ReadsANumberThatUnderflowsAsZero)
{
    for (const char* tiny : {"1e-400", "0.0001e-320", "123.45e-330", "1e-99999999999999999999", "+2e-324"}) {
        const std::optional<double> value = parseDecimal(tiny);
        ASSERT_TRUE(value) << tiny;
        EXPECT_EQ(*value, 0.0) << tiny;
        EXPECT_FALSE(std::signbit(*value)) << tiny;
    }
    ASSERT_TRUE(parseDecimal("-1e-400"));
    EXPECT_TRUE(std::signbit(*parseDecimal("-1e-400")));
    EXPECT_GT(parseDecimal("5e-324"), 0.0) << "the smallest subnormal still reads as itself";
    for (const char* huge : {"1e400", "-1000e306", "1e99999999999999999999", "0.1e310", "19000000000001e+9223372036854775799"})
        EXPECT_EQ(parseDecimal(huge), std::nullopt) << huge;
}

TEST(ParseDecimal, RefusesTextsThatAreNotFiniteNumbers)
{
    for (const char* text : {"", " ", "abc", "nan", "NaN", "inf", "-inf", "infinity", "1e999", "-1e999", "5abc", "1,5", "0x10", "+-5", "++5", "+",
                             "-", ".", "1 2"}) {
        EXPECT_EQ(parseDecimal(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(SettingNumber, NamesTheSettingAndWhatItHeldOnOneLine)
{
    EXPECT_EQ(settingNumber("frequency (nKmitocet)", "2"), 2.0);
    try {
        settingNumber("frequency (nKmitocet)", "two\nlines");
        FAIL() << "a text that is not a number was accepted";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), "frequency (nKmitocet) setting holds \"two\\nlines\", which is not a number");
    }
}

}  // namespace
}  // namespace quorvel
