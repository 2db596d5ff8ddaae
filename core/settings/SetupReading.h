#pragma once

#include "core/mirror/ExploreState.h"
#include "core/settings/Setup.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

// A setup read from name=value pairs, as a link's query string or the command line gives them.
// A valid pair sets its setting; every other pair is set aside, with why, for the edition to
// report, and its setting stays as the window opens. A name given twice sets nothing, as which
// was meant cannot be told. A setting only the explore panel offers opens it.
class SetupReading {
public:
    enum class Why { Unknown, Repeated, Invalid, Encoding, TooLong };

    struct Ignored {
        std::string name;  // as decoded; for Encoding, the part as written; for TooLong, the query's start
        std::string value;
        Why why = Why::Invalid;
        bool operator==(const Ignored&) const = default;
    };

    using Pair = std::pair<std::string, std::string>;

    explicit SetupReading(const std::vector<Pair>& pairs);
    // From a query string, with or without its '?', percent-encoded as an address has it.
    static SetupReading ofQuery(std::string_view query);

    const Setup& setup() const { return setup_; }
    const std::vector<Ignored>& ignored() const { return ignored_; }
    // What was ignored, in one line of plain text, each value cut short and every byte beyond
    // printable ASCII shown percent-encoded: empty where nothing was.
    std::string ignoredText() const;
    // What a setting takes, in words for a message: "a whole number from 1 to 20".
    static std::string takes(std::string_view name);

private:
    SetupReading() = default;
    void read(const std::vector<Pair>& pairs);
    bool set(std::string_view name, const std::string& value);
    void settleMirror();

    Setup setup_;
    std::vector<Ignored> ignored_;
    std::optional<MirrorPreset> preset_;  // the mirror named by a preset, scraped once the settings are read
    std::string frequencyGiven_;  // checked against the measure's reach once that is read
};

}  // namespace quorvel
