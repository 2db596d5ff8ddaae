#pragma once

#include "core/settings/FormAction.h"
#include "core/settings/FormState.h"
#include "core/mirror/Mirror.h"
#include "core/mirror/PathMeasure.h"
#include "core/layout/ShownCaption.h"
#include "core/start/Scene.h"

#include <string>

namespace quorvel {

// What the picture holds: nothing yet, a run part drawn, a finished run, a run stopped by a
// settings text, or one stopped by the person (Escape); and the settings it was drawn with, as the texts stood when it began.
struct DrawnPicture {
    enum class Stage { Empty, Drawing, Drawn, Stopped, Interrupted };

    Stage stage = Stage::Empty;
    std::string distance;
    std::string frequency;
    Mirror mirror = Mirror::whole();
    int segmentsDrawn = 0;  // of the mirror's 30, from the left
    Layout layout = Layout::Classic;
    PathMeasure measure = PathMeasure::RootOfSquares;  // how the paths' lengths were measured
    SceneKind scene = SceneKind::Mirror;
    double spiralSize = 1;  // the share of their full size the spiral and the sum vector were drawn at
};

// The picture in plain words for a person who cannot see it, the same in both editions: before
// Start what it is and what Start will do; after, which setting was drawn, where the path of
// least time reflects, how long the sum vector is and what that means for the light at the
// detector; and what a Start would draw now, when the settings have changed since. Through a line
// the same, with where the least-time path crosses it and the scene's own references.
std::string describePicture(const DrawnPicture& drawn, const FormState& now);

// The sum's label as the picture shows it. Where the spiral and the sum vector are drawn smaller
// than their full size it gives the share, "(× 0.09)" kept on one line, so that a sum drawn
// shorter in one picture than in another is not read as less light.
ShownCaption sumLabelCaption(const DrawnPicture& drawn);

// Said when a run ends: what it found, in one sentence.
std::string runEndWords(const DrawnPicture& drawn);

// Said of input held during a run when it is carried out after it, with the state it left.
std::string heldInputWords(const FormAction& action, const FormState& after);

}  // namespace quorvel
