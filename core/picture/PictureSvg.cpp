#include "core/picture/PictureSvg.h"

#include "core/explore/SceneWords.h"
#include "core/layout/CaptionLines.h"
#include "core/text/SettingNumber.h"
#include "core/text/SettingsTexts.h"
#include "core/start/StartSequence.h"
#include "core/draw/SvgSurface.h"
#include "core/layout/WindowLabels.h"

namespace quorvel {

namespace {

// Runs the drawing again from the texts it began with, with no pauses. A drawing stopped at a
// slowdown that was no number had drawn the point before that pause whole, though the sweep had
// not moved past it, so one step more draws it; one stopped at the distance or frequency stops
// at the same place again. The labels are placed as the state says, not here.
class DrawingReplay : public SettingsTexts, public ResultLabels {
public:
    explicit DrawingReplay(const DrawnPicture& drawn) : drawn_(drawn) {}

    std::string distanceText() const override { return drawn_.distance; }
    std::string frequencyText() const override { return drawn_.frequency; }
    std::string slowdownText() const override { return "0"; }
    void setLeft(ResultLabel, float) override {}
    void setTop(ResultLabel, float) override {}
    void show(ResultLabel) override {}

    void drawOn(DrawingSurface& surface)
    {
        if (drawn_.stage == DrawnPicture::Stage::Empty)
            return;
        StartSequence sequence(surface, *this, *this, drawn_.mirror, drawn_.layout, drawn_.measure, drawn_.scene);
        try {
            if (drawn_.stage == DrawnPicture::Stage::Drawn) {
                sequence.runToEnd();
                return;
            }
            while (sequence.segmentsVisited() < drawn_.segmentsDrawn && sequence.step()) {
            }
            if (drawn_.stage == DrawnPicture::Stage::Stopped)
                sequence.step();
        } catch (const SettingsError&) {
            // The stop the picture ended at.
        }
    }

private:
    const DrawnPicture& drawn_;
};

bool shown(const WindowLabel& label, const FormState& state)
{
    switch (label.shown) {
    case WindowLabel::Shown::Always:
        return true;
    case WindowLabel::Shown::WhilePrompting:
        return state.promptShown;
    case WindowLabel::Shown::AsResult:
        return state.label(label.result).shown;
    }
    return false;
}

// The caption's lines from the box's top, as many as the box shows, in the language and size the
// window shows them in; the text is the window's foreground colour.
void drawLabel(SvgSurface& surface, const WindowLabel& label, const ShownCaption& caption, int left, int top)
{
    surface.fillRect(left, top, label.width, label.height, lightGrey);
    const float x = label.centred ? static_cast<float>(left) + static_cast<float>(label.width) / 2 : static_cast<float>(left);
    const double lineHeight = captionLineSpacing * caption.pixelSize;
    double lineTop = top;
    for (const std::string& line : captionLines(caption.text, caption.pixelSize, label.width)) {
        if (lineTop >= top + label.height)
            break;
        surface.text(x, static_cast<float>(lineTop + captionAscent * caption.pixelSize), line, caption.pixelSize, label.centred, SystemColour::ButtonText);
        lineTop += lineHeight;
    }
}

}  // namespace

void drawPictureAgain(DrawingSurface& surface, const DrawnPicture& drawn) { DrawingReplay(drawn).drawOn(surface); }

std::string pictureAsSvg(const DrawnPicture& drawn, const FormState& state, SystemPalette palette)
{
    SvgSurface surface(palette, pictureSize.width, pictureSize.height);
    surface.fillRect(0, 0, pictureSize.width, pictureSize.height, lightGrey);
    drawPictureAgain(surface, drawn);
    for (const WindowLabel& label : windowLabels) {
        if (!shown(label, state))
            continue;
        const bool placed = label.shown == WindowLabel::Shown::AsResult;
        const ShownCaption caption = label.name == "labSoucet" ? sumLabelCaption(drawn) : sceneCaption(label, state.explore.scene);
        drawLabel(surface, label, caption, placed ? state.label(label.result).left : label.left, placed ? state.label(label.result).top : label.top);
    }
    return surface.document();
}

}  // namespace quorvel
