#pragma once

#include "core/layout/ResultLabels.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace quorvel::testing {

// The worked values the browser tests read too, so that both check the same numbers.
inline const nlohmann::json& workedValues()
{
    static const nlohmann::json values = [] {
        std::ifstream file(QUORVEL_WORKED_VALUES);
        if (!file)
            throw std::runtime_error("cannot read " QUORVEL_WORKED_VALUES);
        return nlohmann::json::parse(file);
    }();
    return values;
}

// The four settings the option buttons offer, with their quantities and label places.
inline const nlohmann::json& workedSettings() { return workedValues().at("settings"); }

// "distance 250, frequency 2", to say which setting a failure is about.
inline std::string workedSettingName(const nlohmann::json& setting)
{
    return "distance " + setting.at("distance").get<std::string>() + ", frequency " + setting.at("frequency").get<std::string>();
}

inline constexpr std::pair<ResultLabel, const char*> resultLabelNames[] = {
    {ResultLabel::Radius, "labRadius"}, {ResultLabel::Cas, "labCas"},         {ResultLabel::Zdroj, "labZdroj"},
    {ResultLabel::Detektor, "labDetektor"}, {ResultLabel::Soucet, "labSoucet"},
};

}  // namespace quorvel::testing
