#pragma once

#include "core/text/Translation.h"

#include <string>

namespace quorvel {

// The explore panel's own words, which both editions show: listed once, translated in one context.
namespace panelWords {
inline constexpr const char* heading = QT_TRANSLATE_NOOP("ExplorePanel", "Explore the paths");
inline constexpr const char* segments = QT_TRANSLATE_NOOP("ExplorePanel", "Mirror segments");
inline constexpr const char* wholeMirror = QT_TRANSLATE_NOOP("ExplorePanel", "Whole mirror");
inline constexpr const char* middleThird = QT_TRANSLATE_NOOP("ExplorePanel", "Middle third");
inline constexpr const char* outerThirds = QT_TRANSLATE_NOOP("ExplorePanel", "Outer thirds");
inline constexpr const char* grating = QT_TRANSLATE_NOOP("ExplorePanel", "Grating");
inline constexpr const char* aroundLeastTime = QT_TRANSLATE_NOOP("ExplorePanel", "Around least time");
// The button says it short; a screen reader says it whole.
inline constexpr const char* awayFromLeastTime = QT_TRANSLATE_NOOP("ExplorePanel", "Away from it");
inline constexpr const char* awayFromLeastTimeName = QT_TRANSLATE_NOOP("ExplorePanel", "Away from least time");
inline constexpr const char* pathLength = QT_TRANSLATE_NOOP("ExplorePanel", "Path length");
inline constexpr const char* pathLengthName = QT_TRANSLATE_NOOP("ExplorePanel", "How a path's length is measured");
inline constexpr const char* distance = QT_TRANSLATE_NOOP("ExplorePanel", "Distance");
inline constexpr const char* distanceFieldName = QT_TRANSLATE_NOOP("ExplorePanel", "Distance in pixels");
inline constexpr const char* frequency = QT_TRANSLATE_NOOP("ExplorePanel", "Frequency");
inline constexpr const char* frequencySliderName = QT_TRANSLATE_NOOP("ExplorePanel", "Frequency in tenths");
inline constexpr const char* secondShown = QT_TRANSLATE_NOOP("ExplorePanel", "Second frequency on the graph");
inline constexpr const char* secondFrequency = QT_TRANSLATE_NOOP("ExplorePanel", "Second frequency");
inline constexpr const char* brightness = QT_TRANSLATE_NOOP("ExplorePanel", "Brightness");
inline constexpr const char* graph = QT_TRANSLATE_NOOP("ExplorePanel", "Brightness against distance");
inline constexpr const char* close = QT_TRANSLATE_NOOP("ExplorePanel", "Close");
}  // namespace panelWords

// One of the panel's words above, in the reader's language.
inline std::string panelWord(const char* english) { return translate("ExplorePanel", english); }

}  // namespace quorvel
