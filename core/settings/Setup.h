#pragma once

#include "core/mirror/ExploreState.h"
#include "core/mirror/Mirror.h"
#include "core/mirror/PathMeasure.h"
#include "core/mirror/SceneKind.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

struct FormState;

// What a person sets before pressing Start: the distance, the frequency and the speed, and the
// explore panel with its mirror and its scene. A link to the page and the desktop's command line carry it as
// name=value pairs (SetupReading reads them). The panel's distance and frequency are the
// window's: the panel only reaches further, so a setting beyond the window's options opens it.
struct Setup {
    // The names of the settings, as a link and the command line write them.
    static constexpr std::string_view distanceName = "distance";
    static constexpr std::string_view frequencyName = "frequency";
    static constexpr std::string_view speedName = "speed";
    static constexpr std::string_view exploreName = "explore";
    static constexpr std::string_view mirrorName = "mirror";
    static constexpr std::string_view measureName = "measure";
    static constexpr std::string_view sceneName = "scene";
    static constexpr std::string_view gapName = "gap";
    // A mirror that one of the panel's presets scrapes goes by the preset's name, in the order
    // of MirrorPreset; any other as thirty digits from the left, 1 for a segment that reflects.
    static constexpr std::array<std::string_view, 6> presetNames{"whole", "middle-third", "outer-thirds", "grating", "around-least-time", "away-from-least-time"};
    // The measure of a path, in the order of PathMeasure: the window's, or the two legs' real lengths.
    static constexpr std::array<std::string_view, 2> measureNames{"window", "legs"};
    // The scenes, in the order of SceneKind.
    static constexpr std::array<std::string_view, sceneKindCount> sceneNames{"mirror", "water", "glass", "lens", "no-lens", "gap"};
    // Names that others of the page read from its address, passed over in silence and kept.
    static constexpr std::array<std::string_view, 1> namesOfOthers{"lang"};
    // Far beyond a query of every setting: a longer one is no link to a setup, and is not read.
    static constexpr std::size_t longestQuery = 2000;

    int distance = 0;  // pixels from the middle
    int frequencyTenths = 10;
    int speed = 1;  // the scroll bar's value
    bool explore = false;  // the panel is open
    Mirror mirror = Mirror::whole();
    PathMeasure measure = PathMeasure::RootOfSquares;
    // Beyond the mirror the panel keeps the mirror and measure, for when the person goes back to it.
    SceneKind scene = SceneKind::Mirror;
    int gapPoints = ExploreState().gapPoints;  // only the gap scene shows it

    // The setup a window shows.
    static Setup of(const FormState& state);
    // Whether a setting is one that only the explore panel offers.
    bool needsPanel() const;
    // The mirror as a link writes it.
    std::string mirrorText() const;
    // As a query string without its '?': only what differs from the window as it opens, so that
    // a window left as it opened has none, and the gap only where the scene shows it. The parts of current that belong to others, such as
    // the page's lang, come first as they were written.
    std::string query(std::string_view current = {}) const;

    bool operator==(const Setup&) const = default;
};

}  // namespace quorvel
