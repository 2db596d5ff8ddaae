#pragma once

#include "core/layout/PictureSize.h"
#include "core/text/Translation.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace quorvel {

enum class ControlKind : std::uint8_t { ScrollBar, Frame, Option, TextBox, Button, Label };

// A control's type: the bold serif of the captions, or the sans serif the toolkit's controls
// use, in pixels of the 96-dpi layout. The table is small, as the page downloads it.
struct ControlFont {
    enum class Face : std::uint8_t { Serif, Sans };

    Face face = Face::Sans;
    std::uint8_t pixelSize = 11;
    bool bold = false;
};

inline constexpr ControlFont defaultFont{};

constexpr ControlFont captionFont(std::uint8_t pixelSize) { return {ControlFont::Face::Serif, pixelSize, true}; }

// A control's box inside its parent, in the layout's pixels.
struct ControlBox {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// One of the window's 24 controls as the layout makes it. Its names and captions are literals,
// whose text ends as C's strings do.
struct WindowControl {
    std::string_view name;    // the control's: "cmdStart"
    ControlKind kind = ControlKind::Label;
    std::string_view parent;  // the frame it sits in, or empty for the window
    std::uint8_t tabIndex = 0;  // Tab moves through the controls that take focus in its order
    ControlBox box;
    ControlFont font;
    std::string_view caption;  // in English; empty for none
    bool translated = false;   // in the "WindowLabels" context where it is shown; others stay as they are
    bool centred = false;      // a label's lines; the others start at its left
};

// In the layout's creation order, which is also the order in which they lie over one another.
inline constexpr std::array<WindowControl, 24> windowControls{{
    {"HScroll1", ControlKind::ScrollBar, {}, 23, {256, 40, 169, 17}, defaultFont, {}},
    {"frmAnimace", ControlKind::Frame, {}, 19, {64, 232, 81, 81}, captionFont(16), "Animace"},
    {"opPomalá", ControlKind::Option, "frmAnimace", 22, {8, 56, 57, 17}, defaultFont, "Pomalá"},
    {"opPomalejší", ControlKind::Option, "frmAnimace", 21, {8, 40, 65, 17}, defaultFont, "Pomalejší"},
    {"opRychlá", ControlKind::Option, "frmAnimace", 20, {8, 24, 57, 17}, defaultFont, "Rychlá"},
    {"nSpomaleni", ControlKind::TextBox, {}, 18, {440, 8, 65, 25}, defaultFont, {}},
    {"frmKmitocet", ControlKind::Frame, {}, 9, {152, 56, 89, 41}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Frequency"), true},
    {"op2", ControlKind::Option, "frmKmitocet", 11, {48, 24, 33, 13}, defaultFont, "2"},
    {"op1", ControlKind::Option, "frmKmitocet", 10, {16, 24, 41, 13}, defaultFont, "1"},
    {"nKmitocet", ControlKind::TextBox, {}, 8, {248, 88, 41, 19}, {ControlFont::Face::Sans, 11, true}, {}},
    {"cmdKonec", ControlKind::Button, {}, 6, {624, 16, 89, 28}, captionFont(19), QT_TRANSLATE_NOOP("WindowLabels", "Exit"), true},
    {"frmPosun", ControlKind::Frame, {}, 3, {32, 56, 89, 41}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Distance"), true},
    {"op250", ControlKind::Option, "frmPosun", 5, {40, 24, 41, 13}, defaultFont, "250"},
    {"op0", ControlKind::Option, "frmPosun", 4, {8, 24, 41, 13}, defaultFont, "0"},
    {"nPosun", ControlKind::TextBox, {}, 2, {24, 40, 41, 19}, {ControlFont::Face::Sans, 11, true}, {}},
    {"cmdStart", ControlKind::Button, {}, 1, {528, 16, 89, 28}, captionFont(21), QT_TRANSLATE_NOOP("WindowLabels", "Start"), true},
    {"labSoucet", ControlKind::Label, {}, 17, {336, 48, 113, 57}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Cornu spiral and sum vector"), true, true},
    {"labDetektor", ControlKind::Label, {}, 16, {464, 48, 65, 25}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Detector"), true},
    {"labZdroj", ControlKind::Label, {}, 15, {0, 232, 57, 17}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Source"), true},
    {"labKliknuti", ControlKind::Label, {}, 14, {160, 320, 225, 33}, captionFont(21), QT_TRANSLATE_NOOP("WindowLabels", "Please press button Start"), true},
    {"labCas", ControlKind::Label, {}, 13, {8, 104, 153, 25}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Time (length)"), true},
    {"labRadius", ControlKind::Label, {}, 12, {8, 152, 137, 57}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Photon vectors after reaching the detector"), true, true},
    {"labPosun", ControlKind::Label, {}, 7, {24, 8, 161, 41}, captionFont(16), QT_TRANSLATE_NOOP("WindowLabels", "Distance from middle of the mirror"), true, true},
    {"labZrcadlení", ControlKind::Label, {}, 0, {256, 8, 225, 25}, captionFont(23), QT_TRANSLATE_NOOP("WindowLabels", "Difraction on mirror"), true},
}};

// The speed's frame and the text boxes are never shown: the scroll bar sets the speed, and the
// options and the explore panel the distance and the frequency.
constexpr bool neverShown(const WindowControl& control) { return control.kind == ControlKind::TextBox || control.name == "frmAnimace"; }

// The control the layout names so.
constexpr const WindowControl& windowControl(std::string_view name)
{
    for (const WindowControl& control : windowControls) {
        if (control.name == name)
            return control;
    }
    throw std::invalid_argument("the window has no such control");
}

}  // namespace quorvel
