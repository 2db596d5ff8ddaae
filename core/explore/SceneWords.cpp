#include "core/explore/SceneWords.h"

#include "core/explore/ExploreWords.h"
#include "core/text/Translation.h"

namespace quorvel {

std::string sceneName(SceneKind kind)
{
    switch (kind) {
    case SceneKind::Mirror:
        return translate("SceneWords", "Mirror");
    case SceneKind::Water:
        return translate("SceneWords", "Into water");
    case SceneKind::Glass:
        return translate("SceneWords", "Into glass");
    case SceneKind::Lens:
        return translate("SceneWords", "Lens");
    case SceneKind::NoLens:
        return translate("SceneWords", "Same pair, no lens");
    case SceneKind::Gap:
        return translate("SceneWords", "Narrow gap");
    }
    return {};
}

std::string sceneChoiceCaption() { return translate("SceneWords", "Scene"); }

std::string gapCaption() { return translate("SceneWords", "Gap in points"); }

std::string detectorPlaceCaption() { return translate("SceneWords", "Detector's place"); }

ShownCaption sceneCaption(const WindowLabel& label, SceneKind kind)
{
    if (!passesThrough(kind))
        return shownCaption(label);
    if (label.name == "labZrcadlení")
        return shownCaption(label, sceneName(kind));
    // Over the frame captioned "Distance", as the classic heading is.
    if (label.name == "labPosun")
        return shownCaption(label, translate("SceneWords", "Detector's distance from the middle"));
    const SceneDescription& scene = describedScene(kind);
    if (label.name == "labCas" && (scene.slowness != 1 || scene.lens))
        return shownCaption(label, translate("SceneWords", "Time"));
    return shownCaption(label);
}

std::string graphAxisTitle(SceneKind kind)
{
    return kind == SceneKind::Mirror ? translate("BrightnessGraph", "Distance from the middle (250 is left)")
                                     : translate("SceneWords", "Detector's place from the middle (250 is left)");
}

std::string graphGreyCurve(SceneKind kind)
{
    switch (kind) {
    case SceneKind::Mirror:
        break;
    case SceneKind::Water:
        return translate("SceneWords", "grey: into glass");
    case SceneKind::Glass:
        return translate("SceneWords", "grey: into water");
    case SceneKind::Lens:
        return translate("SceneWords", "grey: no lens");
    case SceneKind::NoLens:
        return translate("SceneWords", "grey: with the lens");
    case SceneKind::Gap:
        return translate("SceneWords", "grey: no screen");
    }
    return translate("BrightnessGraph", "grey: whole mirror");
}

std::string sceneChangeWords(SceneKind kind)
{
    return fillIn(passesThrough(kind) ? translate("SceneWords", "Scene \u201c%1\u201d: the distance moves the detector alone.")
                                      : translate("SceneWords", "Scene \u201c%1\u201d: the distance moves the source and the detector together."),
                  {sceneName(kind)});
}

std::string sceneBroughtDownWords(SceneKind kind, int frequencyTenths)
{
    if (!passesThrough(kind))
        return broughtDownWords(frequencyTenths);
    return fillIn(translate("SceneWords", "Frequency brought down to %1, the highest that 30 paths through the line show truly here."), {tenthsText(frequencyTenths)});
}

std::string frequencyBackWords(int frequencyTenths, int chosenTenths)
{
    if (frequencyTenths == chosenTenths)
        return fillIn(translate("SceneWords", "Frequency back to %1, as chosen before."), {tenthsText(frequencyTenths)});
    return fillIn(translate("SceneWords", "Frequency back up to %1; the %2 chosen before is beyond what this scene shows truly."),
                  {tenthsText(frequencyTenths), tenthsText(chosenTenths)});
}

std::string secondFrequencyWords(int frequencyTenths, bool broughtDown)
{
    return fillIn(broughtDown ? translate("SceneWords", "The graph's second frequency brought down to %1.") : translate("SceneWords", "The graph's second frequency back up to %1."),
                  {tenthsText(frequencyTenths)});
}

std::string sceneBackWords(int frequencyTenths)
{
    return fillIn(translate("SceneWords", "Frequency %1 is beyond what 30 paths through the line show truly, so the mirror is shown again."), {tenthsText(frequencyTenths)});
}

}  // namespace quorvel
