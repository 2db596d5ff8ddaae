#pragma once

#include <QStringView>

#include <string>

namespace quorvel {

// Text from the command line or the environment as a message may show it on a terminal: its
// control characters are written as escapes (\n, \x1b, \u009b), so that no argument can move the
// cursor, change colours or break the message's one line. The rest is kept as it is, in UTF-8.
std::string terminalText(QStringView text);

}  // namespace quorvel
