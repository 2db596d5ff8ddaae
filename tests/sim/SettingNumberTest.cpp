#include "sim/SettingNumber.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(ParseDecimal, ReadsTheNumbersASettingCanHold)
{
    EXPECT_EQ(parseDecimal("0"), 0.0);
    EXPECT_EQ(parseDecimal("250"), 250.0);
    EXPECT_EQ(parseDecimal("20"), 20.0);
    EXPECT_EQ(parseDecimal("00"), 0.0);
    EXPECT_EQ(parseDecimal("250.0"), 250.0);
    EXPECT_EQ(parseDecimal("-1.5"), -1.5);
    EXPECT_EQ(parseDecimal("+3"), 3.0);
    EXPECT_EQ(parseDecimal("2e1"), 20.0);
    EXPECT_EQ(parseDecimal(" 7\t"), 7.0);
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
        const std::string message = error.what();
        EXPECT_NE(message.find("frequency (nKmitocet)"), std::string::npos) << message;
        EXPECT_NE(message.find("two\\x0alines"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace quorvel
