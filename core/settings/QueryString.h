#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One name=value part of a URL's query string, as it is written there.
struct QueryPart {
    std::string_view name;
    std::string_view value;  // empty where the part has no '='
    std::string_view written;  // the whole part
};

// The parts of a query string, with or without its leading '?', in order; empty parts, as
// "a=1&&b=2" has, are left out.
std::vector<QueryPart> queryParts(std::string_view query);

// The text a part of a query stands for: "%3C" is '<' and '+' a blank. Nothing where a '%' is
// not followed by two hexadecimal digits. The bytes decoded may be any, a zero byte included.
std::optional<std::string> percentDecoded(std::string_view text);

}  // namespace quorvel
