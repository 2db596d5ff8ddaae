#pragma once

#include <cctype>
#include <string>

namespace quorvel::testing {

// A readable test-name part for a pair of settings texts, such as "distance250_frequency1".
inline std::string settingsName(const std::string& distance, const std::string& frequency)
{
    std::string name = "distance" + distance + "_frequency" + frequency;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

}  // namespace quorvel::testing
