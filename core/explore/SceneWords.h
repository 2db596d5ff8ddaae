#pragma once

#include "core/layout/ShownCaption.h"
#include "core/mirror/SceneKind.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvel {

// The words of the scenes beyond the mirror, the same in both editions.

// The scene as the panel's choice names it: "Mirror", "Into water", ...
std::string sceneName(SceneKind kind);
// The panel's captions for the scene's own controls, the same in both editions: the scene
// choice, the gap's width, and the distance slider's where it moves the detector alone.
std::string sceneChoiceCaption();
std::string gapCaption();
std::string detectorPlaceCaption();
// The graph's distance axis: the pair's distance for the mirror, the detector's place beyond it.
std::string graphAxisTitle(SceneKind kind);
// What the graph's grey curve is.
std::string graphGreyCurve(SceneKind kind);
// A label of the window as the scene shows it: the layout's caption at the mirror. Beyond it the
// heading names the scene, the distance's caption names the detector's place, and the time
// curve's leaves "(length)" out where a path's time is not its length.
ShownCaption sceneCaption(const WindowLabel& label, SceneKind kind);
// The labels whose captions follow the scene.
inline constexpr std::array<std::string_view, 3> sceneCaptionedLabels{"labZrcadlení", "labPosun", "labCas"};
// Said when the scene changes: its name, and what the distance moves in it.
std::string sceneChangeWords(SceneKind kind);
// Said when a scene chosen shows the frequency in use untruly: the one it was brought down to, as
// the paths of that scene show it.
std::string sceneBroughtDownWords(SceneKind kind, int frequencyTenths);
// Said when a scene chosen gives back the frequency another brought down: all of the one chosen,
// or as much of it as the scene shows truly.
std::string frequencyBackWords(int frequencyTenths, int chosenTenths);
// The same for the graph's second frequency, where the graph shows it: brought down, or back up.
std::string secondFrequencyWords(int frequencyTenths, bool broughtDown);
// Said when one of the window's options sets a frequency beyond what the scene shows truly.
std::string sceneBackWords(int frequencyTenths);

}  // namespace quorvel
