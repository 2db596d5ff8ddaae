#pragma once

#include "core/explore/BrightnessGraph.h"
#include "core/mirror/ExploreState.h"
#include "core/settings/FormAction.h"
#include "core/settings/FormState.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace quorvel {

class Announcements;
class ExploreHost;
class FormView;
class HeldInput;
class TextSurface;

// The explore panel's actions on the window's state: the mirror's segments and presets, the
// distance, the frequencies and the measure, the panel opened and closed. While it is open every
// change redraws the whole picture at once and is said once the settings stand still; a change
// made while it is closed (held through a run) is drawn when it opens.
class ExploreModel {
public:
    ExploreModel(FormState& state, FormView& view, ExploreHost& host, Announcements& announcements, const HeldInput& held)
        : state_(state), view_(view), host_(host), announcements_(announcements), held_(held)
    {
    }

    // One of the panel's actions: anything a FormAction holds besides a button, an option and a
    // move of the speed.
    void carryOut(const FormAction& action);
    // An option has been chosen: one of the distance or the frequency changes the picture.
    void optionChosen(bool changesPicture);
    // Moves along the segments, as the focus does.
    void moveSegmentCursor(int by);
    // The panel's numbers follow the settings texts, whichever control wrote them.
    void followTexts();
    // A Start draws what the panel stands at, and says its brightness at its end.
    void runBegins();

    // Where the panel's graph is drawn; none until an edition has one.
    void setGraphSurface(TextSurface* graph) { graph_ = graph; }
    // The graph in words, as it stands.
    std::string graphDescription() { return brightnessGraph_.describe(state_.explore); }

private:
    void change(const FormAction& action);
    void show(PanelCommand command);
    void choosePreset(MirrorPreset preset);
    std::string setMeasure(PathMeasure measure);
    std::string setScene(SceneKind kind);
    int keepWithinCap();
    void setDistance(int pixels);
    void setFrequency(int tenths);
    void setSecondFrequency(SecondFrequencySetting setting);
    void changed(const std::string& first = {});
    void refresh();
    void refreshMirror();
    void refreshThroughLine();
    double& brightestAt(int frequencyTenths, PathMeasure measure);

    FormState& state_;
    FormView& view_;
    ExploreHost& host_;
    Announcements& announcements_;
    const HeldInput& held_;
    TextSurface* graph_ = nullptr;
    BrightnessGraph brightnessGraph_;
    // The most light any mirror sends, by measure and frequency; none worked out yet where 0.
    static constexpr std::size_t measures = static_cast<std::size_t>(PathMeasure::TwoLegs) + 1;
    static constexpr std::size_t frequencies = ExploreState::frequencyTenthsMaximum - ExploreState::frequencyTenthsMinimum + 1;
    std::array<std::array<double, frequencies>, measures> brightest_{};
    bool pictureBehind_ = false;  // the settings changed while the panel was closed
    // The frequencies chosen before a scene brought them down, and what it brought them to: a
    // scene that shows them truly gives them back, unless they have been changed since.
    struct BroughtDown {
        int chosen;
        int secondChosen;
        int to;
        int secondTo;
    };
    std::optional<BroughtDown> broughtDown_;
};

}  // namespace quorvel
