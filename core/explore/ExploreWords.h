#pragma once

#include "core/mirror/ExploreState.h"
#include "core/mirror/PathMeasure.h"

#include <optional>
#include <string>

namespace quorvel {

// The explore panel's words, the same in both editions.

// "segment 12 of 30, on", counting from 1.
std::string segmentName(int segment, bool on);
// A number with two decimals, "0.62", whatever the locale.
std::string hundredthsText(double value);
// A number below 1 with two significant digits, so that small ones still read apart: "0.72",
// "0.0042"; from 0.1 up, or below a millionth, with two decimals.
std::string twoDigitsText(double value);
// The brightness with two decimals, "0.75".
std::string brightnessNumber(double brightness);
// The panel's brightness figure: through a line, where it is mostly well below 1, in two
// significant digits, so that light arriving never reads "0.00".
std::string brightnessNumber(const ExploreState& explore);
// "0.75 of the light of a whole mirror at the middle, 1.00 times that of the whole mirror here":
// the brightness and the light against the whole mirror at the same place, where it sends any.
// Through a line the brightness is against all thirty paths in step, in two significant digits,
// and the second figure against the line's other arrangement: none for a surface.
std::string brightnessWords(const ExploreState& explore);
// The panel's second figure: "12.53 times as likely as with the whole mirror here"; empty for a
// surface.
std::string againstWholeHereText(const ExploreState& explore);
// What the brightness means, for the panel's brightness to show beside it.
std::string brightnessMeaning(SceneKind scene);
// A frequency in tenths as a settings text: "1", "1.5".
std::string tenthsText(int tenths);

// How a path's length is measured, as the panel's choice names it.
std::string measureName(PathMeasure measure);
// Said when the measure changes, with the frequency brought down to what it shows truly, if it was.
std::string measureWords(PathMeasure measure, int frequencyBroughtDownTo);
// The second part of that alone, where the measure is named already.
std::string broughtDownWords(int frequencyTenths);
// Said when one of the window's options sets a frequency beyond what the real lengths show truly.
std::string measureBackWords(int frequencyTenths);
// Why the ends of the mirror do not cancel at the setting shown, and the button that offers the
// setting where they do; empty where they cancel or no third is shown.
std::string endsLessonWords(const EndsLesson& lesson, int frequencyTenths);
std::string endsLessonOffer(const EndsLesson& lesson);

}  // namespace quorvel
