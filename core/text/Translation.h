#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text that is listed in a table and translated where it is used, so that the
// translators' tools find it. The same definition as the desktop toolkit's, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorvel {

// What an edition looks a text up with: the translation of the source text in its context, or
// the source itself when it has none.
using TranslationLookup = std::function<std::string(const std::string& context, const std::string& source)>;

// Until an edition installs one, every text stays English. An empty lookup goes back to English.
void installTranslation(TranslationLookup lookup);

std::string translate(std::string_view context, std::string_view source);

// The text with %1, %2, ... replaced by the values, in one pass, so that a value holding a
// percent sign stays as it is; the translation may put them in any order.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

// Words that follow others in a text: a space, then the words.
std::string afterSpace(std::string_view words);

}  // namespace quorvel
