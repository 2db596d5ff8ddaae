#include "core/text/Translation.h"

#include <utility>

namespace quorvel {

namespace {

TranslationLookup& installed()
{
    static TranslationLookup lookup;
    return lookup;
}

}  // namespace

void installTranslation(TranslationLookup lookup) { installed() = std::move(lookup); }

std::string translate(std::string_view context, std::string_view source)
{
    const TranslationLookup& lookup = installed();
    if (!lookup)
        return std::string(source);
    std::string translated = lookup(std::string(context), std::string(source));
    return translated.empty() ? std::string(source) : translated;
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char next = k + 1 < text.size() ? text[k + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (text[k] == '%' && next >= '1' && next <= '9' && place < values.size()) {
            filled += values.begin()[place];
            ++k;
        } else {
            filled += text[k];
        }
    }
    return filled;
}

std::string afterSpace(std::string_view words)
{
    std::string text(" ");
    text += words;
    return text;
}

}  // namespace quorvel
