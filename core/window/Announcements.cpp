#include "core/window/Announcements.h"

#include "core/window/FormView.h"

namespace quorvel {

namespace {

std::string joined(const std::string& first, const std::string& then) { return (first.empty() ? "" : first + " ") + then; }

}  // namespace

void Announcements::say(const std::string& words)
{
    if (words.empty())
        return;
    if (batching_)
        batch_ = joined(batch_, words);
    else
        view_.announce(words);
}

void Announcements::sayWhenSettled(const std::string& first, std::string brightness)
{
    if (batching_)
        return say(joined(first, brightness));
    if (!first.empty())
        settlingFirst_ = joined(settlingFirst_, first);
    settlingBrightness_ = std::move(brightness);
    view_.startSettleTimer(settleTime);
}

void Announcements::settled(bool wanted)
{
    const std::string first = std::exchange(settlingFirst_, {});
    const std::string brightness = std::exchange(settlingBrightness_, {});
    if (wanted && !brightness.empty())
        say(joined(first, brightness));
}

void Announcements::dropSettling()
{
    settlingFirst_.clear();
    settlingBrightness_.clear();
}

}  // namespace quorvel
