#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The keys a person can use, as the keyboard help shows them: the same words in both editions,
// with the keys that only one edition has.
struct KeyHelp {
    std::string keys;  // "Ctrl+E"
    std::string what;  // "Open or close Explore the paths"
};

enum class Edition { Desktop, Page };

std::vector<KeyHelp> keyboardHelp(Edition edition);

// The help's title.
std::string keyboardHelpTitle();

}  // namespace quorvel
