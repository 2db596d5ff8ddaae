#pragma once

#include <nlohmann/json.hpp>

#include <QPoint>

#include <fstream>
#include <string>

namespace quorvel::testing {

// The worked values of the four settings, as the browser tests read them too.
inline const nlohmann::json& workedSettings()
{
    static const nlohmann::json settings = nlohmann::json::parse(std::ifstream(QUORVEL_WORKED_VALUES))["settings"];
    return settings;
}

// A label's worked place on whole pixels: halves go up.
inline QPoint labelPlace(const nlohmann::json& place) { return {static_cast<int>(place[0].get<double>() + 0.5), static_cast<int>(place[1].get<double>() + 0.5)}; }

inline QPoint pixel(const nlohmann::json& point) { return {point[0].get<int>(), point[1].get<int>()}; }

}  // namespace quorvel::testing
