#include "desktop/ExplorePanel.h"

#include "core/ExploreWords.h"
#include "core/FrequencyColour.h"
#include "core/MainFormModel.h"
#include "desktop/BrightnessGraphView.h"
#include "desktop/Fonts.h"
#include "desktop/SegmentStrip.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The bar is full at twice the light of the whole mirror at the middle; the number says more.
constexpr int barTopHundredths = 200;

template <typename Control>
Control* named(Control* control, const char* name, const QString& accessibleName)
{
    control->setObjectName(QString::fromUtf8(name));
    control->setAccessibleName(accessibleName);
    return control;
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* button = named(new QPushButton(caption), name, caption);
    button->setAutoDefault(true);
    return button;
}

QSlider* slider(const char* name, const QString& accessibleName, int minimum, int maximum, int pageStep)
{
    auto* slider = named(new QSlider(Qt::Horizontal), name, accessibleName);
    slider->setRange(minimum, maximum);
    slider->setPageStep(pageStep);
    return slider;
}

// A number typed in is taken when it is complete, on Enter or when the focus leaves.
template <typename Field>
Field* numberField(Field* field, const char* name, const QString& accessibleName)
{
    field->setKeyboardTracking(false);
    field->setFixedWidth(64);
    return named(field, name, accessibleName);
}

QLabel* caption(const QString& text, QWidget* control)
{
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

// A square of the colour a frequency stands for, beside its field.
QLabel* swatch(const char* name)
{
    auto* swatch = new QLabel;
    swatch->setObjectName(QString::fromUtf8(name));
    swatch->setFixedSize(18, 18);
    return swatch;
}

void showColour(QLabel* swatch, int tenths)
{
    swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #404040;").arg(QString::fromStdString(cssColour(frequencyColour(tenths)))));
}

QDoubleSpinBox* frequencyBox(const char* name, const QString& accessibleName)
{
    auto* field = numberField(new QDoubleSpinBox, name, accessibleName);
    field->setRange(ExploreState::frequencyTenthsMinimum / 10.0, ExploreState::frequencyTenthsMaximum / 10.0);
    field->setDecimals(1);
    field->setSingleStep(0.1);
    // Numbers are written with a point in every language, as the settings and the page write them.
    field->setLocale(QLocale::c());
    return field;
}

int tenthsOf(double frequency) { return static_cast<int>(std::lround(frequency * 10)); }

template <typename Control, typename Value>
void showValue(Control* control, Value value)
{
    const QSignalBlocker quiet(control);
    control->setValue(value);
}

}  // namespace

ExplorePanel::ExplorePanel(MainFormModel& model, QWidget* parent) : QGroupBox(QCoreApplication::translate("ExplorePanel", "Explore the mirror"), parent), model_(model)
{
    setObjectName(QStringLiteral("explorePanel"));
    setFont(serifBold(16));
    setAutoFillBackground(true);
    createMirrorControls();
    createSettingControls();
    createBrightnessControls();
    layOut();
    connectInput();
}

void ExplorePanel::createMirrorControls()
{
    segments_ = new SegmentStrip(this);
    segments_->setObjectName(QStringLiteral("segments"));
    wholeMirror_ = button("wholeMirror", QCoreApplication::translate("ExplorePanel", "Whole mirror"));
    middleThird_ = button("middleThird", QCoreApplication::translate("ExplorePanel", "Middle third"));
    outerThirds_ = button("outerThirds", QCoreApplication::translate("ExplorePanel", "Outer thirds"));
    grating_ = button("grating", QCoreApplication::translate("ExplorePanel", "Grating"));
    close_ = button("closeExplore", QCoreApplication::translate("ExplorePanel", "Close"));
}

void ExplorePanel::createSettingControls()
{
    distance_ = slider("distance", QCoreApplication::translate("ExplorePanel", "Distance"), ExploreState::distanceMinimum, ExploreState::distanceMaximum, 50);
    // Left is left in the picture: 350 at the slider's left end, and the right arrow moves the pair right.
    distance_->setInvertedAppearance(true);
    distance_->setInvertedControls(true);
    distanceField_ = numberField(new QSpinBox, "distanceField", QCoreApplication::translate("ExplorePanel", "Distance in pixels"));
    distanceField_->setRange(ExploreState::distanceMinimum, ExploreState::distanceMaximum);
    frequency_ = slider("frequency", QCoreApplication::translate("ExplorePanel", "Frequency in tenths"), ExploreState::frequencyTenthsMinimum, ExploreState::frequencyTenthsMaximum, 5);
    frequencyField_ = frequencyBox("frequencyField", QCoreApplication::translate("ExplorePanel", "Frequency"));
    frequencySwatch_ = swatch("frequencySwatch");
    secondShown_ = named(new QCheckBox(QCoreApplication::translate("ExplorePanel", "Second frequency on the graph")), "secondShown",
                         QCoreApplication::translate("ExplorePanel", "Second frequency on the graph"));
    secondFrequency_ = frequencyBox("secondFrequency", QCoreApplication::translate("ExplorePanel", "Second frequency"));
    secondSwatch_ = swatch("secondSwatch");
    distanceField_->installEventFilter(this);
    frequencyField_->installEventFilter(this);
    secondFrequency_->installEventFilter(this);
}

void ExplorePanel::createBrightnessControls()
{
    brightnessNumber_ = new QLabel;
    brightnessNumber_->setObjectName(QStringLiteral("brightnessNumber"));
    brightnessNumber_->setFixedWidth(40);
    brightnessBar_ = named(new QProgressBar, "brightnessBar", QCoreApplication::translate("ExplorePanel", "Brightness"));
    brightnessBar_->setRange(0, barTopHundredths);
    brightnessBar_->setTextVisible(false);
    graph_ = new BrightnessGraphView(this);
    graph_->setObjectName(QStringLiteral("brightnessGraph"));
}

void ExplorePanel::layOut()
{
    auto* presets = new QGridLayout;
    presets->addWidget(wholeMirror_, 0, 0);
    presets->addWidget(middleThird_, 0, 1);
    presets->addWidget(outerThirds_, 1, 0);
    presets->addWidget(grating_, 1, 1);
    auto* distanceRow = new QHBoxLayout;
    distanceRow->addWidget(distance_);
    distanceRow->addWidget(distanceField_);
    auto* frequencyRow = new QHBoxLayout;
    frequencyRow->addWidget(frequency_);
    frequencyRow->addWidget(frequencyField_);
    frequencyRow->addWidget(frequencySwatch_);
    auto* secondRow = new QHBoxLayout;
    secondRow->addWidget(secondShown_);
    secondRow->addWidget(secondFrequency_);
    secondRow->addWidget(secondSwatch_);
    auto* brightnessRow = new QHBoxLayout;
    brightnessRow->addWidget(caption(QCoreApplication::translate("ExplorePanel", "Brightness"), brightnessBar_));
    brightnessRow->addWidget(brightnessNumber_);
    brightnessRow->addWidget(brightnessBar_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(caption(QCoreApplication::translate("ExplorePanel", "Mirror segments"), segments_));
    column->addWidget(segments_);
    column->addLayout(presets);
    column->addWidget(caption(QCoreApplication::translate("ExplorePanel", "Distance (250 is left of the middle)"), distance_));
    column->addLayout(distanceRow);
    column->addWidget(caption(QCoreApplication::translate("ExplorePanel", "Frequency"), frequency_));
    column->addLayout(frequencyRow);
    column->addLayout(secondRow);
    column->addLayout(brightnessRow);
    column->addWidget(caption(QCoreApplication::translate("ExplorePanel", "Brightness against distance"), graph_));
    column->addWidget(graph_);
    column->addStretch();
    column->addWidget(close_, 0, Qt::AlignRight);
    // The title keeps the frames' face; what is inside reads as the option buttons do.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(sans(12, false));
}

void ExplorePanel::connectInput()
{
    connect(segments_, &SegmentStrip::cursorMoved, this, [this](int by) { model_.moveSegmentCursor(by); });
    connect(segments_, &SegmentStrip::switched, this, [this](int segment) { model_.perform(SegmentSwitch{segment}); });
    connectPreset(wholeMirror_, MirrorPreset::WholeMirror);
    connectPreset(middleThird_, MirrorPreset::MiddleThird);
    connectPreset(outerThirds_, MirrorPreset::OuterThirds);
    connectPreset(grating_, MirrorPreset::Grating);
    const auto setDistance = [this](int pixels) { model_.perform(DistanceSetting{pixels}); };
    connect(distance_, &QSlider::valueChanged, this, setDistance);
    connect(distanceField_, &QSpinBox::valueChanged, this, setDistance);
    connect(frequency_, &QSlider::valueChanged, this, [this](int tenths) { model_.perform(FrequencySetting{tenths}); });
    connect(frequencyField_, &QDoubleSpinBox::valueChanged, this,
            [this](double frequency) { model_.perform(FrequencySetting{tenthsOf(frequency)}); });
    const auto setSecond = [this] { model_.perform(SecondFrequencySetting{secondShown_->isChecked(), tenthsOf(secondFrequency_->value())}); };
    connect(secondShown_, &QCheckBox::toggled, this, setSecond);
    connect(secondFrequency_, &QDoubleSpinBox::valueChanged, this, setSecond);
    connect(graph_, &BrightnessGraphView::clicked, this, [this](float x) { model_.clickGraph(x); });
    connect(close_, &QPushButton::clicked, this, [this] { model_.openExplore(false); });
}

void ExplorePanel::connectPreset(QPushButton* button, MirrorPreset preset)
{
    connect(button, &QPushButton::clicked, this, [this, preset] { model_.perform(preset); });
}

TextSurface& ExplorePanel::graphSurface() { return graph_->surface(); }

void ExplorePanel::followInTabOrder(QWidget* previous)
{
    QWidget* const order[] = {segments_, wholeMirror_, middleThird_, outerThirds_, grating_, distance_, distanceField_, frequency_, frequencyField_, secondShown_, secondFrequency_, close_};
    for (QWidget* next : order) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void ExplorePanel::showState(const ExploreState& explore)
{
    segments_->showMirror(explore.mirror, explore.currentSegment);
    showValue(distance_, explore.distance);
    showValue(distanceField_, explore.distance);
    showValue(frequency_, explore.frequencyTenths);
    showValue(frequencyField_, explore.frequency());
    showColour(frequencySwatch_, explore.frequencyTenths);
    {
        const QSignalBlocker quiet(secondShown_);
        secondShown_->setChecked(explore.secondShown);
    }
    showValue(secondFrequency_, explore.secondFrequencyTenths / 10.0);
    showColour(secondSwatch_, explore.secondFrequencyTenths);
    brightnessNumber_->setText(QString::fromStdString(brightnessNumber(explore.brightness)));
    const long long hundredths = std::llround(explore.brightness * 100);
    brightnessBar_->setValue(static_cast<int>(std::clamp<long long>(hundredths, 0, barTopHundredths)));
    brightnessBar_->setAccessibleDescription(QString::fromStdString(brightnessWords(explore.brightness)));
}

void ExplorePanel::showGraph()
{
    graph_->showDrawn();
    graph_->setAccessibleDescription(QString::fromStdString(model_.graphDescription()) + QLatin1Char(' ') +
                                     QCoreApplication::translate("BrightnessGraphView", "A click moves the source and the detector to the distance under it"));
}

// The toolkit has no announcement of its own. Screen readers speak a progress bar's changes
// wherever the focus is, so the words go out as a change of the brightness bar.
void ExplorePanel::announce(const std::string& words)
{
    QAccessibleValueChangeEvent event(brightnessBar_, QString::fromStdString(words));
    QAccessible::updateAccessibility(&event);
}

// Some desktops give a number field Ctrl+E for the end of its line; here the key stays the
// window's, which closes the panel with it.
bool ExplorePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->keyCombination() == toggleKey()[0]) {
        // A number typed and not yet entered counts, as it would if the focus moved on.
        if (auto* field = qobject_cast<QAbstractSpinBox*>(watched))
            field->interpretText();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace quorvel
