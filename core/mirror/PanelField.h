#pragma once

#include <string>

namespace quorvel {

// The explore panel's fields that take a number typed in.
enum class PanelField { Distance, Frequency, SecondFrequency };

// Why a number typed into a field was not taken: the field is marked and the words stand under
// the fields until something is typed again or the panel's settings change.
struct FieldRefusal {
    PanelField field;
    std::string words;
};

}  // namespace quorvel
