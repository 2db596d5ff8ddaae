#include "core/settings/QueryString.h"

#include <algorithm>

namespace quorvel {

namespace {

std::optional<int> hexDigit(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return std::nullopt;
}

}  // namespace

std::vector<QueryPart> queryParts(std::string_view query)
{
    if (query.starts_with('?'))
        query.remove_prefix(1);
    std::vector<QueryPart> parts;
    while (!query.empty()) {
        const std::size_t end = std::min(query.find('&'), query.size());
        const std::string_view written = query.substr(0, end);
        query.remove_prefix(std::min(end + 1, query.size()));
        if (written.empty())
            continue;
        const std::size_t equals = written.find('=');
        if (equals == std::string_view::npos)
            parts.push_back({written, {}, written});
        else
            parts.push_back({written.substr(0, equals), written.substr(equals + 1), written});
    }
    return parts;
}

std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '+') {
            decoded += ' ';
        } else if (text[k] != '%') {
            decoded += text[k];
        } else {
            const auto high = k + 1 < text.size() ? hexDigit(text[k + 1]) : std::nullopt;
            const auto low = k + 2 < text.size() ? hexDigit(text[k + 2]) : std::nullopt;
            if (!high || !low)
                return std::nullopt;
            decoded += static_cast<char>(*high * 16 + *low);
            k += 2;
        }
    }
    return decoded;
}

}  // namespace quorvel
