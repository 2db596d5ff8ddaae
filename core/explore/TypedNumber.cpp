#include "core/explore/TypedNumber.h"

#include "core/mirror/ExploreState.h"
#include "core/explore/ExploreWords.h"
#include "core/text/SettingNumber.h"
#include "core/text/Translation.h"

namespace quorvel {

namespace {

// A refusal stays one short line whatever was pasted in.
constexpr std::size_t longestShown = 20;
constexpr std::string_view typographicMinus = "\u2212";

// The text with every from written as to, built afresh rather than in place.
std::string replacedAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        if (!from.empty() && text.substr(at).starts_with(from)) {
            result += to;
            at += from.size();
        } else {
            result += text[at++];
        }
    }
    return result;
}

// The text as the plain readers take it: a hyphen for the minus and a point for the separator.
std::string plain(std::string_view typed, std::string_view decimalSeparator)
{
    return replacedAll(replacedAll(trimmed(typed), typographicMinus, "-"), decimalSeparator, ".");
}

std::optional<int> within(std::optional<int> number, int least, int most)
{
    return number && *number >= least && *number <= most ? number : std::nullopt;
}

// Cut short on a character's first byte, so that no character is cut in two.
std::string shown(std::string_view typed)
{
    typed = trimmed(typed);
    if (typed.size() <= longestShown)
        return std::string(typed);
    std::size_t end = longestShown;
    while (end > 0 && (static_cast<unsigned char>(typed[end]) & 0xc0) == 0x80)
        --end;
    return std::string(typed.substr(0, end)) + "...";
}

}  // namespace

std::optional<int> typedNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator, int frequencyTenthsCap)
{
    const std::string text = plain(typed, decimalSeparator);
    if (field == PanelField::Distance)
        return within(wholeNumber(text), ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    return within(writtenTenths(text), ExploreState::frequencyTenthsMinimum, frequencyTenthsCap);
}

std::string typedNumberRefusal(PanelField field, std::string_view typed, int frequencyTenthsCap)
{
    if (field == PanelField::Distance)
        return fillIn(translate("TypedNumber", "\"%1\" is not taken: the distance is a whole number from %2 to %3."),
                      {shown(typed), std::to_string(ExploreState::distanceMinimum), std::to_string(ExploreState::distanceMaximum)});
    return fillIn(translate("TypedNumber", "\"%1\" is not taken: the frequency is a number from %2 to %3 in tenths, such as %4."),
                  {shown(typed), tenthsText(ExploreState::frequencyTenthsMinimum), tenthsText(frequencyTenthsCap), tenthsText(std::min(15, frequencyTenthsCap))});
}

}  // namespace quorvel
