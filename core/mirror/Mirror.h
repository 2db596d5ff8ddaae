#pragma once

#include <bitset>
#include <cstddef>

namespace quorvel {

// Which of the mirror's thirty segments reflect; a segment scraped off reflects nothing. Segments
// are counted from 0 at the left.
class Mirror {
public:
    static constexpr int segmentCount = 30;

    static Mirror whole() { return Mirror(std::bitset<segmentCount>().set()); }
    static Mirror bare() { return Mirror(std::bitset<segmentCount>()); }
    // Only segments first to last, counted from 0, reflect.
    static Mirror span(int first, int last);

    bool on(int segment) const { return inRange(segment) && segments_.test(static_cast<std::size_t>(segment)); }
    void set(int segment, bool on);
    void toggle(int segment) { set(segment, !this->on(segment)); }
    bool isWhole() const { return segments_.all(); }
    bool none() const { return segments_.none(); }
    // How many segments reflect.
    int count() const { return static_cast<int>(segments_.count()); }
    // The segments that reflect in both mirrors; those that do not reflect in this one.
    Mirror operator&(const Mirror& other) const { return Mirror(segments_ & other.segments_); }
    Mirror operator~() const { return Mirror(~segments_); }
    Mirror operator^(const Mirror& other) const { return Mirror(segments_ ^ other.segments_); }

    // As one word: the library's own comparison of bit sets walks them a bit at a time.
    bool operator==(const Mirror& other) const { return (segments_ ^ other.segments_).none(); }

private:
    explicit Mirror(std::bitset<segmentCount> segments) : segments_(segments) {}
    static bool inRange(int segment) { return segment >= 0 && segment < segmentCount; }

    std::bitset<segmentCount> segments_;
};

}  // namespace quorvel
