#include "desktop/ExplorePanel.h"

#include "core/explore/ExploreWords.h"
#include "core/explore/PanelWords.h"
#include "core/explore/SceneWords.h"
#include "core/mirror/FrequencyColour.h"
#include "core/layout/SettingRanges.h"
#include "core/window/MainFormModel.h"
#include "desktop/BrightnessGraphView.h"
#include "desktop/Fonts.h"
#include "desktop/NumberField.h"
#include "desktop/SegmentStrip.h"

#include <QCoreApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quorvel {

namespace {

QString shownPanelWord(const char* english) { return QString::fromStdString(panelWord(english)); }

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

QSlider* slider(const char* name, const QString& accessibleName, const SettingRange& range)
{
    auto* slider = named(new QSlider(Qt::Horizontal), name, accessibleName);
    slider->setRange(range.minimum, range.maximum);
    slider->setSingleStep(range.step);
    slider->setPageStep(range.pageStep);
    return slider;
}

// A screen reader names a combo box by its choice; what it chooses is its description.
QComboBox* choice(const char* name, const QString& description)
{
    auto* box = named(new QComboBox, name, description);
    box->setAccessibleDescription(description);
    // A longer translation is cut in the closed box, never widens the panel; the list shows it whole.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    return box;
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

// The language's, as a person types it; the fields show numbers with a point, and take both.
std::string decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

template <typename Control, typename Value>
void showValue(Control* control, Value value)
{
    const QSignalBlocker quiet(control);
    control->setValue(value);
}

// A field being typed in keeps what is typed until it is taken or refused.
template <typename Value>
void showValue(NumberField* field, Value value)
{
    if (!field->beingTyped())
        showValue<QDoubleSpinBox, double>(field, value);
}

}  // namespace

ExplorePanel::ExplorePanel(MainFormModel& model, QWidget* parent) : QGroupBox(shownPanelWord(panelWords::heading), parent), model_(model)
{
    setObjectName(QStringLiteral("explorePanel"));
    setFont(serifBold(16));
    setAutoFillBackground(true);
    createSceneControls();
    createMirrorControls();
    createSettingControls();
    createBrightnessControls();
    layOut();
    connectInput();
}

void ExplorePanel::createSceneControls()
{
    scene_ = choice("scene", QString::fromStdString(sceneChoiceCaption()));
    for (int kind = 0; kind < sceneKindCount; ++kind)
        scene_->addItem(QString::fromStdString(sceneName(static_cast<SceneKind>(kind))));
    const QString gapWords = QString::fromStdString(gapCaption());
    gap_ = slider("gap", gapWords, gapRange);
    gapCaption_ = caption(gapWords, gap_);
    gapNumber_ = new QLabel;
    gapNumber_->setObjectName(QStringLiteral("gapNumber"));
}

void ExplorePanel::createMirrorControls()
{
    segments_ = new SegmentStrip(this);
    segments_->setObjectName(QStringLiteral("segments"));
    segmentsCaption_ = caption(shownPanelWord(panelWords::segments), segments_);
    wholeMirror_ = button("wholeMirror", shownPanelWord(panelWords::wholeMirror));
    middleThird_ = button("middleThird", shownPanelWord(panelWords::middleThird));
    outerThirds_ = button("outerThirds", shownPanelWord(panelWords::outerThirds));
    grating_ = button("grating", shownPanelWord(panelWords::grating));
    aroundLeastTime_ = button("aroundLeastTime", shownPanelWord(panelWords::aroundLeastTime));
    awayFromLeastTime_ = button("awayFromLeastTime", shownPanelWord(panelWords::awayFromLeastTime));
    awayFromLeastTime_->setAccessibleName(shownPanelWord(panelWords::awayFromLeastTimeName));
    endsLesson_ = new QLabel;
    endsLesson_->setObjectName(QStringLiteral("endsLesson"));
    endsLesson_->setWordWrap(true);
    endsLesson_->hide();
    endsOffer_ = button("endsOffer", QString());
    endsOffer_->hide();
    close_ = button("closeExplore", shownPanelWord(panelWords::close));
}

void ExplorePanel::createSettingControls()
{
    // Named by the scene, as the caption is.
    distance_ = slider("distance", QString(), exploreDistanceRange);
    // Left is left in the picture: 330 at the slider's left end, and the right arrow moves the pair right.
    distance_->setInvertedAppearance(true);
    distance_->setInvertedControls(true);
    distanceField_ = numberField(PanelField::Distance, "distanceField", QString());
    frequency_ = slider("frequency", shownPanelWord(panelWords::frequencySliderName), exploreFrequencyRange);
    distanceCaption_ = caption(QString(), distance_);
    measure_ = choice("measure", shownPanelWord(panelWords::pathLengthName));
    for (const PathMeasure measure : {PathMeasure::RootOfSquares, PathMeasure::TwoLegs})
        measure_->addItem(QString::fromStdString(measureName(measure)));
    measureCaption_ = caption(shownPanelWord(panelWords::pathLength), measure_);
    frequencyField_ = numberField(PanelField::Frequency, "frequencyField", shownPanelWord(panelWords::frequency));
    frequencySwatch_ = swatch("frequencySwatch");
    secondShown_ = named(new QCheckBox(shownPanelWord(panelWords::secondShown)), "secondShown",
                         shownPanelWord(panelWords::secondShown));
    secondFrequency_ = numberField(PanelField::SecondFrequency, "secondFrequency", shownPanelWord(panelWords::secondFrequency));
    secondSwatch_ = swatch("secondSwatch");
    fieldRefusal_ = new QLabel;
    fieldRefusal_->setObjectName(QStringLiteral("fieldRefusal"));
    fieldRefusal_->setWordWrap(true);
    // Dark red, as the page writes it, on the panel's light ground.
    QPalette warning = fieldRefusal_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0, 0));
    fieldRefusal_->setPalette(warning);
    fieldRefusal_->hide();
    frequencyNote_ = new QLabel;
    frequencyNote_->setObjectName(QStringLiteral("frequencyNote"));
    frequencyNote_->setWordWrap(true);
    frequencyNote_->hide();
}

// A number typed in is read by the core, with the language's decimal separator, and taken when
// it is complete, on Enter or when the focus leaves; the distance in whole pixels, a frequency in
// tenths.
NumberField* ExplorePanel::numberField(PanelField field, const char* name, const QString& accessibleName)
{
    const SettingRange& range = field == PanelField::Distance ? exploreDistanceRange : exploreFrequencyRange;
    auto* box = named(new NumberField([this, field, range](const QString& text) -> std::optional<double> {
        const auto number = typedNumber(field, text.toStdString(), decimalSeparator(), model_.state().explore.frequencyCap());
        return number ? std::optional(range.number(*number)) : std::nullopt;
    }), name, accessibleName);
    box->setKeyboardTracking(false);
    box->setFixedWidth(64);
    box->setDecimals(range.decimals);
    box->setSingleStep(range.number(range.step));
    box->setRange(range.number(range.minimum), range.number(range.maximum));
    connect(box, &NumberField::refused, this, [this, field](const QString& typed) { model_.typeNumber(field, typed.toStdString(), decimalSeparator()); });
    connect(box, &NumberField::edited, this, [this] { model_.clearRefusal(); });
    connect(box, &NumberField::taken, this, [this] { model_.clearRefusal(); });
    box->installEventFilter(this);
    return box;
}

// A refused field is marked, and the words stand under the fields.
void ExplorePanel::showRefusal(const std::optional<FieldRefusal>& refusal)
{
    for (const PanelField field : {PanelField::Distance, PanelField::Frequency, PanelField::SecondFrequency})
        fieldOf(field)->showRefusal(refusal && refusal->field == field ? QString::fromStdString(refusal->words) : QString());
    fieldRefusal_->setText(refusal ? QString::fromStdString(refusal->words) : QString());
    fieldRefusal_->setVisible(refusal.has_value());
}

NumberField* ExplorePanel::fieldOf(PanelField field) const
{
    return field == PanelField::Distance ? distanceField_ : field == PanelField::Frequency ? frequencyField_ : secondFrequency_;
}

void ExplorePanel::createBrightnessControls()
{
    brightnessNumber_ = new QLabel;
    brightnessNumber_->setObjectName(QStringLiteral("brightnessNumber"));
    brightnessNumber_->setFixedWidth(40);
    // Made in the window, so that the interface a screen reader is first given is the window's own.
    brightnessBar_ = named(new QProgressBar(this), "brightnessBar", shownPanelWord(panelWords::brightness));
    brightnessBar_->setTextVisible(false);
    brightnessHere_ = new QLabel;
    brightnessHere_->setObjectName(QStringLiteral("brightnessHere"));
    // Longer in some languages than the panel is wide: it goes on to a second line, never cut.
    brightnessHere_->setWordWrap(true);
    brightnessHere_->setAlignment(Qt::AlignRight);
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
    presets->addWidget(aroundLeastTime_, 2, 0);
    presets->addWidget(awayFromLeastTime_, 2, 1);
    // Each setting's caption beside it, so that the panel holds the ends' lesson within its height.
    auto* settings = new QGridLayout;
    settings->addWidget(measureCaption_, 0, 0);
    // The path length's choices are long in some languages: the list reaches the panel's edge.
    settings->addWidget(measure_, 0, 1, 1, 3);
    settings->addWidget(gapCaption_, 1, 0);
    settings->addWidget(gap_, 1, 1);
    settings->addWidget(gapNumber_, 1, 2);
    settings->addWidget(distanceCaption_, 2, 0);
    settings->addWidget(distance_, 2, 1);
    settings->addWidget(distanceField_, 2, 2);
    settings->addWidget(caption(shownPanelWord(panelWords::frequency), frequency_), 3, 0);
    settings->addWidget(frequency_, 3, 1);
    settings->addWidget(frequencyField_, 3, 2);
    settings->addWidget(frequencySwatch_, 3, 3);
    settings->addWidget(secondShown_, 4, 0, 1, 2);
    settings->addWidget(secondFrequency_, 4, 2);
    settings->addWidget(secondSwatch_, 4, 3);
    settings->addWidget(frequencyNote_, 5, 0, 1, 4);
    settings->addWidget(fieldRefusal_, 5, 0, 1, 4);
    auto* brightnessRow = new QHBoxLayout;
    brightnessRow->addWidget(caption(shownPanelWord(panelWords::brightness), brightnessBar_));
    brightnessRow->addWidget(brightnessNumber_);
    brightnessRow->addWidget(brightnessBar_);

    auto* column = new QVBoxLayout(this);
    // Close rows, so that a refusal of a number typed has room under the fields beside the lesson.
    column->setSpacing(2);
    // Close stands by the scene, so that the panel holds the ends' lesson, both frequencies and the
    // graph within the window's height.
    auto* header = new QHBoxLayout;
    header->addWidget(caption(QString::fromStdString(sceneChoiceCaption()), scene_));
    header->addWidget(scene_, 1);
    header->addWidget(close_);
    column->addLayout(header);
    column->addWidget(segmentsCaption_);
    column->addWidget(segments_);
    column->addLayout(presets);
    column->addWidget(endsLesson_);
    column->addWidget(endsOffer_, 0, Qt::AlignLeft);
    column->addLayout(settings);
    column->addLayout(brightnessRow);
    column->addWidget(brightnessHere_);
    column->addWidget(caption(shownPanelWord(panelWords::graph), graph_));
    column->addWidget(graph_);
    column->addStretch();
    // The title keeps the frames' face; what is inside reads as the option buttons do.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(sans(12, false));
}

void ExplorePanel::connectInput()
{
    connect(scene_, &QComboBox::activated, this, [this](int index) { model_.perform(SceneSetting{static_cast<SceneKind>(index)}); });
    connect(gap_, &QSlider::valueChanged, this, [this](int points) { model_.perform(GapSetting{points}); });
    connect(segments_, &SegmentStrip::cursorMoved, this, [this](int by) { model_.moveSegmentCursor(by); });
    connect(segments_, &SegmentStrip::switched, this, [this](int segment) { model_.perform(SegmentSwitch{segment}); });
    connectPreset(wholeMirror_, MirrorPreset::WholeMirror);
    connectPreset(middleThird_, MirrorPreset::MiddleThird);
    connectPreset(outerThirds_, MirrorPreset::OuterThirds);
    connectPreset(grating_, MirrorPreset::Grating);
    connectPreset(aroundLeastTime_, MirrorPreset::AroundLeastTime);
    connectPreset(awayFromLeastTime_, MirrorPreset::AwayFromLeastTime);
    connect(measure_, &QComboBox::activated, this, [this](int index) { model_.perform(MeasureSetting{static_cast<PathMeasure>(index)}); });
    connect(endsOffer_, &QPushButton::clicked, this, [this] { model_.takeEndsOffer(); });
    const auto setDistance = [this](int pixels) { model_.perform(DistanceSetting{pixels}); };
    connect(distance_, &QSlider::valueChanged, this, setDistance);
    connect(distanceField_, &NumberField::valueChanged, this, [setDistance](double pixels) { setDistance(static_cast<int>(std::lround(pixels))); });
    connect(frequency_, &QSlider::valueChanged, this, [this](int tenths) { model_.perform(FrequencySetting{tenths}); });
    connect(frequencyField_, &NumberField::valueChanged, this,
            [this](double frequency) { model_.perform(FrequencySetting{exploreFrequencyRange.nearest(frequency)}); });
    const auto setSecond = [this] { model_.perform(SecondFrequencySetting{secondShown_->isChecked(), exploreFrequencyRange.nearest(secondFrequency_->value())}); };
    connect(secondShown_, &QCheckBox::toggled, this, setSecond);
    connect(secondFrequency_, &NumberField::valueChanged, this, setSecond);
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
    QWidget* const order[] = {scene_,     segments_, wholeMirror_,   middleThird_, outerThirds_,    grating_,     aroundLeastTime_, awayFromLeastTime_, endsOffer_,
                              measure_,   gap_,      distance_,      distanceField_, frequency_,  frequencyField_, secondShown_, secondFrequency_, close_};
    for (QWidget* next : order) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void ExplorePanel::showState(const ExploreState& explore)
{
    showScene(explore);
    segments_->showMirror(explore.mirror, explore.currentSegment);
    showValue(distance_, explore.distance);
    showValue(distanceField_, explore.distance);
    // The frequency reaches as far as the measure or the scene shows truly; the range is set before the value.
    const double cap = exploreFrequencyRange.number(explore.frequencyCap());
    {
        const QSignalBlocker quietSlider(frequency_);
        const QSignalBlocker quietField(frequencyField_);
        const QSignalBlocker quietSecond(secondFrequency_);
        frequency_->setMaximum(explore.frequencyCap());
        frequencyField_->setMaximum(cap);
        secondFrequency_->setMaximum(cap);
    }
    showValue(frequency_, explore.frequencyTenths);
    showValue(frequencyField_, exploreFrequencyRange.number(explore.frequencyTenths));
    {
        const QSignalBlocker quiet(measure_);
        measure_->setCurrentIndex(static_cast<int>(explore.measure));
    }
    showEndsLesson(explore);
    frequencyNote_->setText(QString::fromStdString(explore.frequencyNote));
    frequencyNote_->setVisible(explore.frequencyNoteShown());
    showRefusal(explore.refusal);
    showColour(frequencySwatch_, explore.frequencyTenths);
    {
        const QSignalBlocker quiet(secondShown_);
        secondShown_->setChecked(explore.secondShown);
    }
    showValue(secondFrequency_, exploreFrequencyRange.number(explore.secondFrequencyTenths));
    showColour(secondSwatch_, explore.secondFrequencyTenths);
    const QString number = QString::fromStdString(brightnessNumber(explore));
    brightnessNumber_->setText(number);
    // The bar's text, which it does not show, is its value as a screen reader reads it.
    brightnessBar_->setFormat(number);
    // In hundredths, so that the bar's value read out is the brightness itself.
    const int top = static_cast<int>(std::lround(explore.brightnessTop * 100));
    brightnessBar_->setRange(0, top);
    brightnessBar_->setValue(static_cast<int>(std::clamp<long long>(std::llround(explore.brightness * 100), 0, top)));
    brightnessBar_->setAccessibleDescription(QString::fromStdString(brightnessWords(explore)));
    brightnessHere_->setText(QString::fromStdString(againstWholeHereText(explore)));
    const QString meaning = QString::fromStdString(brightnessMeaning(explore.scene));
    for (QWidget* part : {static_cast<QWidget*>(brightnessNumber_), static_cast<QWidget*>(brightnessBar_), static_cast<QWidget*>(brightnessHere_)})
        part->setToolTip(meaning);
}

// The mirror's own controls show only at the mirror, the gap's only at the gap; beyond the mirror
// the distance slider moves the detector alone.
void ExplorePanel::showScene(const ExploreState& explore)
{
    const bool mirror = !passesThrough(explore.scene);
    {
        const QSignalBlocker quiet(scene_);
        scene_->setCurrentIndex(static_cast<int>(explore.scene));
    }
    using Parts = std::initializer_list<QWidget*>;
    for (QWidget* part : Parts{segmentsCaption_, segments_, wholeMirror_, middleThird_, outerThirds_, grating_, aroundLeastTime_, awayFromLeastTime_, measureCaption_, measure_})
        part->setVisible(mirror);
    for (QWidget* part : Parts{gapCaption_, gap_, gapNumber_})
        part->setVisible(explore.scene == SceneKind::Gap);
    showValue(gap_, explore.gapPoints);
    gapNumber_->setText(QString::number(explore.gapPoints));
    const QString place = mirror ? shownPanelWord(panelWords::distance) : QString::fromStdString(detectorPlaceCaption());
    distanceCaption_->setText(place);
    distance_->setAccessibleName(place);
    distanceField_->setAccessibleName(mirror ? shownPanelWord(panelWords::distanceFieldName) : place);
}

// The lesson's words and its offer show only while the ends do not cancel at the setting shown.
void ExplorePanel::showEndsLesson(const ExploreState& explore)
{
    const QString words = QString::fromStdString(endsLessonWords(explore.endsLesson, explore.frequencyTenths));
    const QString offer = QString::fromStdString(endsLessonOffer(explore.endsLesson));
    endsLesson_->setText(words);
    endsLesson_->setVisible(!words.isEmpty());
    endsOffer_->setText(offer);
    endsOffer_->setAccessibleName(offer);
    endsOffer_->setAccessibleDescription(words);
    endsOffer_->setVisible(!offer.isEmpty());
}

void ExplorePanel::showGraph()
{
    graph_->showDrawn();
    graph_->setAccessibleDescription(QString::fromStdString(model_.graphDescription()) + QLatin1Char(' ') +
                                     QCoreApplication::translate("BrightnessGraphView", "A click moves the source and the detector to the distance under it"));
}

// Some desktops give a number field Ctrl+E for the end of its line; here the key stays the
// window's, which closes the panel with it.
bool ExplorePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->keyCombination() == toggleKey()[0]) {
        // A number typed and not yet entered counts, as it would if the focus moved on.
        if (auto* field = qobject_cast<NumberField*>(watched))
            field->take();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace quorvel
