#include "core/start/StartSequence.h"

#include "core/start/PathSweep.h"
#include "core/start/SceneSetup.h"
#include "core/text/SettingsTexts.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// Whether the marked path crosses a screen in its gap; a mark between two points stands for both.
bool throughGap(const Scene& scene, const Mirror& open)
{
    const std::vector<int> segments = segmentsAt(scene, scene.bestPointX);
    return std::any_of(segments.begin(), segments.end(), [&](int segment) { return open.on(segment); });
}

}  // namespace

StartSequence::StartSequence(DrawingSurface& surface, const SettingsTexts& settings, ResultLabels& labels, Mirror mirror, Layout layout, PathMeasure measure,
                             SceneKind kind)
    : surface_(surface), settings_(settings), labels_(labels), mirror_(mirror), layout_(layout), measure_(measure), kind_(kind), clip_(surface),
      sceneSurface_(layout == Layout::Explore ? static_cast<DrawingSurface&>(clip_) : surface)
{
}

void StartSequence::runToEnd()
{
    while (step()) {
    }
}

std::optional<std::uint64_t> StartSequence::step()
{
    // Whatever throws ends the sequence where it stands.
    const Stage current = std::exchange(stage_, Stage::Finished);
    switch (current) {
    case Stage::SetUp:
        scene_ = setUpScene(surface_, settings_, mirror_, sceneSurface_, layout_, measure_, kind_);
        return visitNextPoint();
    case Stage::Sweep:
        return visitNextPoint();
    case Stage::Results:
        // The panel's mark shows where the least-time path reflects, scraped or not; the classic
        // window's stands where its sweep found it, which is the same for the whole mirror.
        if (layout_ == Layout::Explore && scene_.bestFound)
            findLeastTimeOfWholeMirror(scene_);
        // The last point's spiral link leaves the thin pen the mark is drawn with; a scraped last
        // segment draws only its dot, with the thick one.
        if (layout_ == Layout::Explore && !mirror_.on(Mirror::segmentCount - 1))
            sceneSurface_.setPenWidth(1);
        drawResultMarks(scene_, sceneSurface_, !describedScene(kind_).screen || throughGap(scene_, mirror_));
        placeResultLabels(scene_, mirror_, settings_, labels_, layout_);
        return std::nullopt;
    case Stage::Finished:
        break;
    }
    return std::nullopt;
}

// The point's least-time update is done before its pause is read, so a bad slowdown text leaves
// the point whole.
std::uint64_t StartSequence::visitNextPoint()
{
    const int point = nextPoint_;
    const int segment = segmentOf(point);
    // A path that does not count draws only its time dot, with the dot's thick pen; the next one
    // that counts draws its rays thin, as every other.
    if (segment > 0 && mirror_.on(segment) && !mirror_.on(segment - 1))
        sceneSurface_.setPenWidth(1);
    visitPoint(scene_, sceneSurface_, point, mirror_.on(segment));
    const std::uint64_t pause = pauseDecrements(settings_.slowdownText());
    nextPoint_ += 2;
    stage_ = nextPoint_ <= pointBound(scene_) ? Stage::Sweep : Stage::Results;
    return pause;
}

}  // namespace quorvel
