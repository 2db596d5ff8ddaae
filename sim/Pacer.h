#pragma once

#include <cstdint>

namespace quorvel {

// Paces the sweep. The pause is measured in decrements of a count-down, so that the pace is
// chosen in one place and tests can count it without waiting.
class Pacer {
public:
    virtual ~Pacer() = default;

    // Returns false when the running command is to end now instead of going on.
    [[nodiscard]] virtual bool pause(std::uint64_t decrements) = 0;
};

}  // namespace quorvel
