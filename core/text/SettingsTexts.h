#pragma once

#include <string>

namespace quorvel {

// The three settings as the window holds them: decimal texts, read afresh at every use.
class SettingsTexts {
public:
    virtual ~SettingsTexts() = default;

    virtual std::string distanceText() const = 0;   // nPosun
    virtual std::string frequencyText() const = 0;  // nKmitocet
    virtual std::string slowdownText() const = 0;   // nSpomaleni
};

}  // namespace quorvel
