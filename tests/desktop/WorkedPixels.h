#pragma once

#include "tests/support/WorkedValues.h"

#include <QPoint>

namespace quorvel::testing {

// A label's worked place on whole pixels: halves go up.
inline QPoint labelPlace(const nlohmann::json& place) { return {static_cast<int>(place[0].get<double>() + 0.5), static_cast<int>(place[1].get<double>() + 0.5)}; }

inline QPoint pixel(const nlohmann::json& point) { return {point[0].get<int>(), point[1].get<int>()}; }

}  // namespace quorvel::testing
