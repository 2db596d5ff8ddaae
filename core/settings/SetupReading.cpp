#include "core/settings/SetupReading.h"

#include "core/explore/ExploreWords.h"
#include "core/settings/FormState.h"
#include "core/explore/MirrorOptics.h"
#include "core/settings/QueryString.h"
#include "core/text/SettingNumber.h"
#include "core/text/Translation.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr std::array settingNames{Setup::distanceName, Setup::frequencyName, Setup::speedName, Setup::exploreName,
                                  Setup::mirrorName,   Setup::measureName,   Setup::sceneName, Setup::gapName};
// A report stays one readable line however much a crafted address holds.
constexpr std::size_t longestValueShown = 40;
constexpr std::size_t mostShown = 10;

template <typename Names>
bool among(const Names& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::optional<int> within(std::optional<int> number, int least, int most)
{
    return number && *number >= least && *number <= most ? number : std::nullopt;
}

// The index of a name in a list of them, as the enumeration in the list's order has it.
template <typename Kind, typename Names>
std::optional<Kind> kindNamed(const Names& names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? std::nullopt : std::optional(static_cast<Kind>(found - names.begin()));
}

std::optional<Mirror> segmentDigits(std::string_view text)
{
    if (text.size() != Mirror::segmentCount || text.find_first_not_of("01") != std::string_view::npos)
        return std::nullopt;
    Mirror mirror = Mirror::bare();
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        mirror.set(segment, text[static_cast<std::size_t>(segment)] == '1');
    return mirror;
}

// Printable ASCII as it is, any other byte percent-encoded, and a long text cut short.
std::string shown(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string plain;
    for (const char c : text.substr(0, longestValueShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            plain += c;
        } else {
            plain += '%';
            plain += hex[byte >> 4];
            plain += hex[byte & 15];
        }
    }
    return text.size() > longestValueShown ? plain + "..." : plain;
}

std::string reported(const SetupReading::Ignored& ignored)
{
    switch (ignored.why) {
    case SetupReading::Why::Unknown:
        return shown(ignored.name) + " (no such setting)";
    case SetupReading::Why::Repeated:
        return shown(ignored.name) + " (given more than once)";
    case SetupReading::Why::Encoding:
        return shown(ignored.name) + " (not properly percent-encoded)";
    case SetupReading::Why::TooLong:
        return shown(ignored.name) + " (longer than any setup, so not read at all)";
    case SetupReading::Why::Invalid:
        break;
    }
    return shown(ignored.name) + "=" + shown(ignored.value) + " (takes " + SetupReading::takes(ignored.name) + ")";
}

}  // namespace

SetupReading::SetupReading(const std::vector<Pair>& pairs) { read(pairs); }

SetupReading SetupReading::ofQuery(std::string_view query)
{
    SetupReading reading;
    if (query.size() > Setup::longestQuery) {
        reading.ignored_.push_back({std::string(query.substr(0, longestValueShown + 1)), {}, Why::TooLong});
        return reading;
    }
    std::vector<Pair> pairs;
    for (const QueryPart& part : queryParts(query)) {
        auto name = percentDecoded(part.name);
        auto value = percentDecoded(part.value);
        if (name && value)
            pairs.emplace_back(std::move(*name), std::move(*value));
        else
            reading.ignored_.push_back({std::string(part.written), {}, Why::Encoding});
    }
    reading.read(pairs);
    return reading;
}

void SetupReading::read(const std::vector<Pair>& pairs)
{
    const auto named = [](const std::string& name) { return [&name](const Pair& pair) { return pair.first == name; }; };
    for (auto at = pairs.begin(); at != pairs.end(); ++at) {
        const auto& [name, value] = *at;
        if (among(Setup::namesOfOthers, name))
            continue;
        if (!among(settingNames, name)) {
            ignored_.push_back({name, value, Why::Unknown});
        } else if (std::count_if(pairs.begin(), pairs.end(), named(name)) > 1) {
            // Reported once, at its first place.
            if (std::none_of(pairs.begin(), at, named(name)))
                ignored_.push_back({name, {}, Why::Repeated});
        } else if (!set(name, value)) {
            ignored_.push_back({name, value, Why::Invalid});
        }
    }
    // A frequency beyond what the measure or the scene shows truly is one the panel cannot reach.
    if (setup_.frequencyTenths > ExploreState::frequencyTenthsCap(setup_.measure, setup_.scene)) {
        ignored_.push_back({std::string(Setup::frequencyName), frequencyGiven_, Why::Invalid});
        setup_.frequencyTenths = Setup().frequencyTenths;
    }
    settleMirror();
    setup_.explore = setup_.explore || setup_.needsPanel();
}

bool SetupReading::set(std::string_view name, const std::string& value)
{
    if (name == Setup::distanceName) {
        const auto distance = within(wholeNumber(value), ExploreState::distanceMinimum, ExploreState::distanceMaximum);
        setup_.distance = distance.value_or(setup_.distance);
        return distance.has_value();
    }
    if (name == Setup::frequencyName) {
        const auto frequency = within(writtenTenths(value), ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsMaximum);
        setup_.frequencyTenths = frequency.value_or(setup_.frequencyTenths);
        frequencyGiven_ = value;
        return frequency.has_value();
    }
    if (name == Setup::speedName) {
        const auto speed = within(wholeNumber(value), FormState::speedMinimum, FormState::speedMaximum);
        setup_.speed = speed.value_or(setup_.speed);
        return speed.has_value();
    }
    if (name == Setup::exploreName) {
        if (value != "1" && value != "0")
            return false;
        setup_.explore = value == "1";
        return true;
    }
    if (name == Setup::measureName) {
        const auto measure = kindNamed<PathMeasure>(Setup::measureNames, value);
        setup_.measure = measure.value_or(setup_.measure);
        return measure.has_value();
    }
    if (name == Setup::sceneName) {
        const auto scene = kindNamed<SceneKind>(Setup::sceneNames, value);
        setup_.scene = scene.value_or(setup_.scene);
        return scene.has_value();
    }
    if (name == Setup::gapName) {
        // Only on the range's steps, so that the gap stands centred.
        const auto gap = within(wholeNumber(value), gapRange.minimum, gapRange.maximum);
        if (!gap || gapRange.stepped(*gap) != *gap)
            return false;
        setup_.gapPoints = *gap;
        return true;
    }
    if (const auto preset = kindNamed<MirrorPreset>(Setup::presetNames, value)) {
        preset_ = preset;
        return true;
    }
    const auto mirror = segmentDigits(value);
    setup_.mirror = mirror.value_or(setup_.mirror);
    return mirror.has_value();
}

// A grating is scraped for the distance and frequency the setup has, as the panel scrapes it.
void SetupReading::settleMirror()
{
    if (preset_)
        setup_.mirror = presetMirror(*preset_, setup_.distance, setup_.frequencyTenths / 10.0, setup_.measure);
}

std::string SetupReading::ignoredText() const
{
    std::string text;
    for (std::size_t k = 0; k < std::min(ignored_.size(), mostShown); ++k)
        text += (k == 0 ? "" : ", ") + reported(ignored_[k]);
    if (ignored_.size() > mostShown)
        text += " and " + std::to_string(ignored_.size() - mostShown) + " more";
    return text;
}

std::string SetupReading::takes(std::string_view name)
{
    if (name == Setup::distanceName)
        return fillIn(translate("SetupReading", "0 or 250, or for the explore panel a whole number from %1 to %2"),
                      {std::to_string(ExploreState::distanceMinimum), std::to_string(ExploreState::distanceMaximum)});
    if (name == Setup::frequencyName) {
        const auto cap = [](SceneKind scene) { return tenthsText(ExploreState::frequencyTenthsCap(PathMeasure::RootOfSquares, scene)); };
        return fillIn(translate("SetupReading", "1 or 2, or for the explore panel a number from %1 to %2 in tenths, such as 1.5, and to %3 where the measure is legs"),
                      {tenthsText(ExploreState::frequencyTenthsMinimum), tenthsText(ExploreState::frequencyTenthsMaximum),
                       tenthsText(ExploreState::twoLegsFrequencyTenthsMaximum)}) +
               fillIn(translate("SetupReading", "; beyond the mirror to %1 for water, %2 for glass and %3 for the other scenes"),
                      {cap(SceneKind::Water), cap(SceneKind::Glass), cap(SceneKind::Lens)});
    }
    if (name == Setup::speedName)
        return fillIn(translate("SetupReading", "a whole number from %1 to %2"),
                      {std::to_string(FormState::speedMinimum), std::to_string(FormState::speedMaximum)});
    if (name == Setup::exploreName)
        return translate("SetupReading", "1 to open the explore panel, or 0");
    if (name == Setup::mirrorName)
        return translate("SetupReading", "30 digits from the left, 1 for a segment that reflects and 0 for one scraped off, "
                                         "or whole, middle-third, outer-thirds, grating, around-least-time or away-from-least-time");
    if (name == Setup::measureName)
        return translate("SetupReading", "window for the window's measure of a path, or legs for its real length, the two legs added");
    if (name == Setup::sceneName) {
        std::string names;
        for (const std::string_view scene : Setup::sceneNames)
            names += (names.empty() ? "" : ", ") + std::string(scene);
        return fillIn(translate("SetupReading", "one of %1"), {names});
    }
    if (name == Setup::gapName)
        return fillIn(translate("SetupReading", "an even number from %1 to %2, for the gap scene"),
                      {std::to_string(gapRange.minimum), std::to_string(gapRange.maximum)});
    return {};
}

}  // namespace quorvel
