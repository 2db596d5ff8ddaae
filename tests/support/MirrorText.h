#pragma once

#include "core/mirror/Mirror.h"

#include <string>

namespace quorvel::testing {

// Thirty characters, 1 for a segment that reflects and 0 for one scraped off: a mirror as a test
// reads it at a glance.
inline std::string mirrorText(const Mirror& mirror)
{
    std::string text;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        text += mirror.on(segment) ? '1' : '0';
    return text;
}

}  // namespace quorvel::testing
