#include "core/text/EscapedControls.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(EscapedControls, EscapesEveryControlCharacterAndKeepsTheRest)
{
    EXPECT_EQ(escapedControls("a\tb\rc\nd\x7f\x01" "e\u009b"), "a\\tb\\rc\\nd\\x7f\\x01e\\u009b");
    EXPECT_EQ(escapedControls("Zrcadlení ~ \\ 'ok' \u00a0"), "Zrcadlení ~ \\ 'ok' \u00a0");
}

}  // namespace
}  // namespace quorvel
