#pragma once

#include "core/mirror/ExploreState.h"
#include "core/layout/ResultLabels.h"
#include "core/layout/SettingRanges.h"
#include "core/layout/WindowLayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The window's buttons and option buttons that a person can press or choose. The speed options
// sit in a frame that is never shown, so only the handlers choose them.
enum class Button { cmdStart, cmdKonec };

enum class Option { op0, op250, op1, op2, opPomalá, opPomalejší, opRychlá };

// The settings texts of the window's hidden text boxes.
enum class TextBox { nPosun, nKmitocet, nSpomaleni };

// A move of the speed scroll bar: to a value (a drag, Home, End, a click where the track jumps
// there) or by a number of steps (an arrow, a click in the track, a wheel's notch).
struct SpeedMove {
    enum class Kind { To, By };

    Kind kind = Kind::By;
    int amount = 0;

    static constexpr SpeedMove to(int value) { return {Kind::To, value}; }
    static constexpr SpeedMove by(int steps) { return {Kind::By, steps}; }
    bool operator==(const SpeedMove&) const = default;
};

// A label's place by its left and top edges, in whole pixels, and whether it is shown.
struct LabelState {
    int left = 0;
    int top = 0;
    bool shown = false;

    bool operator==(const LabelState&) const = default;
};

// A label where the layout places it.
constexpr LabelState laidOut(std::string_view name, bool shown)
{
    const ControlBox& box = windowControl(name).box;
    return {box.left, box.top, shown};
}

// What the window shows, apart from its picture: everything the handlers and Start change.
struct FormState {
    static constexpr int speedMinimum = speedRange.minimum;
    static constexpr int speedMaximum = speedRange.maximum;

    std::string nPosun;      // distance
    std::string nKmitocet;   // frequency
    std::string nSpomaleni;  // slowdown
    std::optional<Option> distance;  // op0 or op250, once chosen
    std::optional<Option> frequency;  // op1 or op2
    std::optional<Option> speed;      // opRychlá, opPomalejší or opPomalá
    int HScroll1 = speedMinimum;
    bool promptShown = true;  // labKliknuti
    // By ResultLabel, at their places in the layout until a Start moves them.
    static constexpr std::array<LabelState, 5> laidOutResults{
        {laidOut("labRadius", false), laidOut("labCas", true), laidOut("labZdroj", false), laidOut("labDetektor", false), laidOut("labSoucet", false)}};
    std::array<LabelState, 5> results = laidOutResults;
    bool running = false;  // a Start is drawing
    bool ended = false;    // the window has been unloaded
    ExploreState explore;

    const std::string& text(TextBox box) const;
    bool selected(Option option) const;
    const LabelState& label(ResultLabel label) const { return results.at(static_cast<std::size_t>(label)); }
};

}  // namespace quorvel
