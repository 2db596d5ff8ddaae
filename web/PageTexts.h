#pragma once

#include <emscripten/val.h>

namespace quorvel {

// The page's words in a language other than English: the catalogue the page loaded, translations
// by the key of their context and English, installed for the core before the form is made.
void installCatalogue(const emscripten::val& catalogue);

// Puts the page's own texts in the language in use into its elements, as text and attributes.
void showPageTexts();

}  // namespace quorvel
