#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Text as a message or a document may show it: its control characters are written as escapes
// (\n, \x1b, \u009b), so that none can move a terminal's cursor, change its colours, break a
// message's one line or spoil a document. The rest is kept as it is, in UTF-8.
std::string escapedControls(std::string_view text);

}  // namespace quorvel
