#include "core/settings/Setup.h"

#include "core/explore/ExploreWords.h"
#include "core/settings/FormState.h"
#include "core/explore/MirrorOptics.h"
#include "core/settings/QueryString.h"

#include <algorithm>

namespace quorvel {

namespace {

void addPart(std::string& query, std::string_view part)
{
    if (!query.empty())
        query += '&';
    query += part;
}

void addPart(std::string& query, std::string_view name, const std::string& value) { addPart(query, std::string(name) + "=" + value); }

}  // namespace

Setup Setup::of(const FormState& state)
{
    const ExploreState& explore = state.explore;
    return {explore.distance, explore.frequencyTenths, state.HScroll1, explore.open, explore.mirror, explore.measure, explore.scene, explore.gapPoints};
}

bool Setup::needsPanel() const
{
    return (distance != 0 && distance != 250) || (frequencyTenths != 10 && frequencyTenths != 20) || !mirror.isWhole() || measure != PathMeasure::RootOfSquares ||
           scene != SceneKind::Mirror;
}

std::string Setup::mirrorText() const
{
    for (std::size_t k = 0; k < presetNames.size(); ++k) {
        if (presetMirror(static_cast<MirrorPreset>(k), distance, frequencyTenths / 10.0, measure) == mirror)
            return std::string(presetNames[k]);
    }
    std::string digits;
    for (int segment = 0; segment < Mirror::segmentCount; ++segment)
        digits += mirror.on(segment) ? '1' : '0';
    return digits;
}

std::string Setup::query(std::string_view current) const
{
    std::string query;
    // One too long to be a link is not read, and nothing of it is kept.
    for (const QueryPart& part : queryParts(current.size() <= longestQuery ? current : std::string_view())) {
        const auto name = percentDecoded(part.name);
        if (name && std::find(namesOfOthers.begin(), namesOfOthers.end(), *name) != namesOfOthers.end())
            addPart(query, part.written);
    }
    const Setup opening;
    if (distance != opening.distance)
        addPart(query, distanceName, std::to_string(distance));
    if (frequencyTenths != opening.frequencyTenths)
        addPart(query, frequencyName, tenthsText(frequencyTenths));
    if (speed != opening.speed)
        addPart(query, speedName, std::to_string(speed));
    if (explore && !needsPanel())
        addPart(query, exploreName, "1");
    if (measure != opening.measure)
        addPart(query, measureName, std::string(measureNames[static_cast<std::size_t>(measure)]));
    if (mirror != opening.mirror)
        addPart(query, mirrorName, mirrorText());
    if (scene != opening.scene)
        addPart(query, sceneName, std::string(sceneNames[static_cast<std::size_t>(scene)]));
    if (scene == SceneKind::Gap && gapPoints != opening.gapPoints)
        addPart(query, gapName, std::to_string(gapPoints));
    return query;
}

}  // namespace quorvel
