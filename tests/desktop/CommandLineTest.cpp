#include "desktop/CommandLine.h"
#include "desktop/TerminalText.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// The refusals, and what they echo, are checked from a terminal (cli/check-command-line.sh).
TEST(ScaleOption, TakesAPlainDecimalFactorFromOneToFour)
{
    EXPECT_EQ(CommandLine::parse({"quorvel"}).scale, std::nullopt);
    EXPECT_EQ(CommandLine::parse({"quorvel", "--scale", "4"}).scale, 4.0);
    EXPECT_EQ(CommandLine::parse({"quorvel", "--scale=1.5", "--explore"}).scale, 1.5);
    for (const char* wrong : {"inf", "4.01", "0.99", "1e0", " 2"})
        EXPECT_EQ(CommandLine::parse({"quorvel", "--scale", wrong}).request, CommandLine::Request::Error) << wrong;
}

TEST(TerminalText, EscapesEveryControlCharacterAndKeepsTheRest)
{
    EXPECT_EQ(terminalText(u"a\tb\rc\nd\x7f" u"\x01" u"e\u009b"), "a\\tb\\rc\\nd\\x7f\\x01e\\u009b");
    EXPECT_EQ(terminalText(u"Zrcadlení ~ \\ 'ok'"), "Zrcadlení ~ \\ 'ok'");
}

}  // namespace
}  // namespace quorvel
