#pragma once

#include "core/mirror/PanelField.h"
#include "core/mirror/PathMeasure.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A number typed into a field as a person writes it: with the language's decimal separator or a
// point, a hyphen or a typographic minus, blanks around it. The distance is a whole number of
// pixels, a frequency a number of tenths; only a value the field offers, a frequency up to the
// cap of the measure and the scene (ExploreState::frequencyCap), is read,
// in pixels or in tenths. Anything else, "1e9" or "400" among it, is nothing.
std::optional<int> typedNumber(PanelField field, std::string_view typed, std::string_view decimalSeparator, int frequencyTenthsCap);

// Why a text typed into a field was not taken and what the field takes, its numbers written with
// a point as the fields and the rest of the panel write them in every language.
std::string typedNumberRefusal(PanelField field, std::string_view typed, int frequencyTenthsCap);

}  // namespace quorvel
