#pragma once

#include "core/mirror/ExploreState.h"
#include "core/explore/TypedNumber.h"

#include <QGroupBox>
#include <QKeySequence>

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;

namespace quorvel {

class BrightnessGraphView;
class TextSurface;
class MainFormModel;
class NumberField;
class SegmentStrip;

// "Explore the paths": the scene, the mirror's segments and presets or the screen's gap, the
// distance and frequency, the brightness and its graph, beside the picture. The panel turns its controls' input into the
// model's actions and shows the model's explore state; it holds no state of its own.
class ExplorePanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int panelWidth = 324;

    // The key that opens and closes the panel, which the panel's number fields leave to the window.
    static QKeySequence toggleKey() { return QKeySequence(Qt::CTRL | Qt::Key_E); }

    ExplorePanel(MainFormModel& model, QWidget* parent);

    TextSurface& graphSurface();
    // Puts the panel's controls, in their order, after the given one in the Tab order.
    void followInTabOrder(QWidget* previous);
    void showState(const ExploreState& explore);
    void showGraph();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createSceneControls();
    void createMirrorControls();
    void createSettingControls();
    void createBrightnessControls();
    void layOut();
    void connectInput();
    void connectPreset(QPushButton* button, MirrorPreset preset);
    NumberField* numberField(PanelField field, const char* name, const QString& accessibleName);
    void showRefusal(const std::optional<FieldRefusal>& refusal);
    NumberField* fieldOf(PanelField field) const;

    void showScene(const ExploreState& explore);
    void showEndsLesson(const ExploreState& explore);

    MainFormModel& model_;
    QComboBox* scene_ = nullptr;
    QSlider* gap_ = nullptr;
    QLabel* gapCaption_ = nullptr;
    QLabel* gapNumber_ = nullptr;
    QLabel* segmentsCaption_ = nullptr;
    SegmentStrip* segments_ = nullptr;
    QPushButton* wholeMirror_ = nullptr;
    QPushButton* middleThird_ = nullptr;
    QPushButton* outerThirds_ = nullptr;
    QPushButton* grating_ = nullptr;
    QPushButton* aroundLeastTime_ = nullptr;
    QPushButton* awayFromLeastTime_ = nullptr;
    QLabel* endsLesson_ = nullptr;
    QPushButton* endsOffer_ = nullptr;
    QComboBox* measure_ = nullptr;
    QLabel* measureCaption_ = nullptr;
    QLabel* distanceCaption_ = nullptr;
    QSlider* distance_ = nullptr;
    NumberField* distanceField_ = nullptr;
    QSlider* frequency_ = nullptr;
    NumberField* frequencyField_ = nullptr;
    QLabel* frequencySwatch_ = nullptr;
    QCheckBox* secondShown_ = nullptr;
    NumberField* secondFrequency_ = nullptr;
    QLabel* secondSwatch_ = nullptr;
    QLabel* frequencyNote_ = nullptr;  // why a frequency moved unasked
    QLabel* fieldRefusal_ = nullptr;  // why a number typed was not taken, under the fields
    QLabel* brightnessNumber_ = nullptr;
    QProgressBar* brightnessBar_ = nullptr;
    QLabel* brightnessHere_ = nullptr;  // against the whole mirror at the same place
    BrightnessGraphView* graph_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace quorvel
