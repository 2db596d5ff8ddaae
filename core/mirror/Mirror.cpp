#include "core/mirror/Mirror.h"

#include <algorithm>

namespace quorvel {

Mirror Mirror::span(int first, int last)
{
    Mirror mirror = bare();
    for (int segment = std::max(first, 0); segment <= std::min(last, segmentCount - 1); ++segment)
        mirror.set(segment, true);
    return mirror;
}

void Mirror::set(int segment, bool on)
{
    if (inRange(segment))
        segments_.set(static_cast<std::size_t>(segment), on);
}

}  // namespace quorvel
