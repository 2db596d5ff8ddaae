#pragma once

#include <chrono>
#include <string>
#include <utility>

namespace quorvel {

class FormView;

// Words for screen readers, said so that no part cuts off another. What is said while a run ends
// and the input held through it is carried out goes out as one announcement, in the order it
// happened. What the explore panel's settings come to waits until they stand still, as a slider
// dragged or a key held changes them many times a second.
class Announcements {
public:
    // How long a setting stands still before its brightness is said: each change would cut off
    // the words before.
    static constexpr std::chrono::milliseconds settleTime{500};

    explicit Announcements(FormView& view) : view_(view) {}

    void say(const std::string& words);

    // Says all that saying() says as one announcement; inside another such call, as part of it.
    template <typename Saying>
    void asOne(Saying saying)
    {
        const bool outermost = !std::exchange(batching_, true);
        saying();
        if (outermost) {
            batching_ = false;
            say(std::exchange(batch_, {}));
        }
    }
    // What acting() says within asOne, taken aside to be said later in the announcement.
    template <typename Acting>
    std::string wordsOf(Acting acting)
    {
        const std::string before = std::exchange(batch_, {});
        acting();
        return std::exchange(batch_, before);
    }

    // Words of a change to the panel's settings, with the brightness they come to: said at once
    // within asOne, else once the settings have stood still. Words only the change tells of, such
    // as a new measure, gather; the brightness is the latest.
    void sayWhenSettled(const std::string& first, std::string brightness);
    // The settings have stood still: what they came to is said if it is still wanted.
    void settled(bool wanted);
    // A run says the brightness at its end, and a closed panel says none.
    void dropSettling();

private:
    FormView& view_;
    bool batching_ = false;
    std::string batch_;
    std::string settlingFirst_;
    std::string settlingBrightness_;
};

}  // namespace quorvel
