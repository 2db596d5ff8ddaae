#pragma once

#include <vector>

namespace quorvel {

// The keys a person can use, as the keyboard help shows them: the same words in both editions,
// with the keys that only one edition has.
struct KeyHelp {
    const char* keys;  // "Ctrl+E"
    const char* what;  // "Open or close Explore the mirror"
};

enum class Edition { Desktop, Page };

std::vector<KeyHelp> keyboardHelp(Edition edition);

// The help's title.
inline constexpr const char* keyboardHelpTitle = "Keys of Quorvel";

}  // namespace quorvel
