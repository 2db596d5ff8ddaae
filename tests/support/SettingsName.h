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

// Names a parameterised case after the distance and frequency texts of its parameter.
struct SettingsTestName {
    template <typename Info>
    std::string operator()(const Info& info) const
    {
        return settingsName(info.param.distance, info.param.frequency);
    }
};

}  // namespace quorvel::testing
