#pragma once

#include "core/start/BandClip.h"
#include "core/mirror/Mirror.h"
#include "core/start/ResultMarks.h"
#include "core/start/Scene.h"

#include <cstdint>
#include <optional>

namespace quorvel {

class DrawingSurface;
class ResultLabels;
class SettingsTexts;

// The Start command cut at its pauses, so that a front end can drive it from its own event loop
// and never wait inside a handler: the set-up with the first point, then one point per step,
// then the result marks and labels.
class StartSequence {
public:
    // The segments of the mirror that reflect, the layout and the measure of a path stay as they
    // were when the sequence began.
    StartSequence(DrawingSurface& surface, const SettingsTexts& settings, ResultLabels& labels, Mirror mirror = Mirror::whole(),
                  Layout layout = Layout::Classic, PathMeasure measure = PathMeasure::RootOfSquares, SceneKind kind = SceneKind::Mirror);
    // It draws through a member of its own.
    StartSequence(const StartSequence&) = delete;
    StartSequence& operator=(const StartSequence&) = delete;

    // Draws every part at once, with no pauses.
    void runToEnd();

    // Draws the next part and returns the pause, in decrements, that is to follow it; nothing
    // once the results are shown. Throws SettingsError at a settings text that cannot be used,
    // leaving what was drawn; the sequence has then ended.
    std::optional<std::uint64_t> step();

    // How many of the mirror's segments the sweep has visited, from the left.
    int segmentsVisited() const { return (nextPoint_ - 1) / 2; }
    // The share of their full size the spiral and the sum vector are drawn at, once set up.
    double spiralSize() const { return scene_.spiralSize; }

private:
    enum class Stage { SetUp, Sweep, Results, Finished };

    std::uint64_t visitNextPoint();

    DrawingSurface& surface_;
    const SettingsTexts& settings_;
    ResultLabels& labels_;
    Mirror mirror_;
    Layout layout_;
    PathMeasure measure_;
    SceneKind kind_;
    BandClip clip_;
    DrawingSurface& sceneSurface_;
    Stage stage_ = Stage::SetUp;
    Scene scene_;
    int nextPoint_ = 1;
};

}  // namespace quorvel
