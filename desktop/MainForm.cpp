#include "desktop/MainForm.h"

#include "desktop/AccessibleAnnouncement.h"
#include "desktop/AccessibleInterfaceFactory.h"
#include "desktop/AccessiblePicture.h"
#include "desktop/AccessibleWindow.h"
#include "desktop/ExplorePanel.h"
#include "desktop/Fonts.h"
#include "desktop/KeyboardHelpDialog.h"
#include "desktop/SavePicture.h"
#include "desktop/SpeedScrollBar.h"
#include "desktop/ThemeColours.h"

#include "core/explore/PanelWords.h"
#include "core/explore/SceneWords.h"
#include "core/layout/SettingRanges.h"
#include "core/layout/ShownCaption.h"
#include "core/layout/WindowLayout.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QShortcut>
#include <QSignalBlocker>
#include <QScrollBar>
#include <QScreen>

#include <algorithm>
#include <array>
#include <iostream>
#include <utility>

namespace quorvel {

namespace {

// The picture of Start spans this much of the client area.
constexpr QSize canvasSize(pictureSize.width, pictureSize.height);

const QColor lightGreyBackground(0xC0, 0xC0, 0xC0);
const QColor lightGreenBackground(0xC0, 0xFF, 0xC0);

QString nameOf(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

QFont fontOf(const ControlFont& font) { return font.face == ControlFont::Face::Serif ? serifBold(font.pixelSize) : sans(font.pixelSize, font.bold); }

// The frames, buttons and labels of the layout show their captions in the language in use, in the
// size that fits their box; the speed's frame and the options keep theirs as they are.
ShownCaption captionOf(const WindowControl& layout)
{
    if (!layout.translated)
        return {std::string(layout.caption), layout.font.pixelSize};
    return layout.kind == ControlKind::Label ? shownCaption(windowLabel(layout.name)) : shownCaption(controlCaption(layout.name));
}

QScrollBar* scrollBar(QWidget* parent)
{
    auto* bar = new SpeedScrollBar(parent);
    bar->setRange(speedRange.minimum, speedRange.maximum);
    bar->setSingleStep(speedRange.step);
    bar->setPageStep(speedRange.pageStep);
    bar->setValue(speedRange.minimum);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// Only the selected option of a group is a Tab stop; showing the state keeps it so.
QRadioButton* option(QWidget* frame, const QString& caption)
{
    auto* button = new QRadioButton(caption, frame);
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

// The distance's and the frequency's boxes are light green.
QLineEdit* textBox(QWidget* parent, const WindowControl& layout)
{
    auto* box = new QLineEdit(parent);
    if (layout.name == "nPosun" || layout.name == "nKmitocet") {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, lightGreenBackground);
        box->setPalette(palette);
    }
    return box;
}

QPushButton* button(QWidget* parent, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    // Enter and Return press the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

// Labels are fixed boxes whose captions wrap inside them.
QLabel* label(QWidget* parent, const WindowControl& layout, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setWordWrap(true);
    label->setAlignment((windowLabel(layout.name).centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return label;
}

QWidget* make(QWidget* parent, const WindowControl& layout, const QString& caption)
{
    switch (layout.kind) {
    case ControlKind::ScrollBar:
        return scrollBar(parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::Option:
        return option(parent, caption);
    case ControlKind::TextBox:
        return textBox(parent, layout);
    case ControlKind::Button:
        return button(parent, caption);
    case ControlKind::Label:
        return label(parent, layout, caption);
    }
    return nullptr;
}

// Every control is an opaque box on top of the picture, but the options: they overlap inside their
// frame (op0 reaches under op250's circle), so they are left transparent over the opaque frame.
QWidget* laidOutControl(QWidget* form, const WindowControl& layout)
{
    QWidget* parent = layout.parent.empty() ? form : form->findChild<QWidget*>(nameOf(layout.parent));
    const ShownCaption caption = captionOf(layout);
    QWidget* control = make(parent, layout, QString::fromStdString(caption.text));
    control->setObjectName(nameOf(layout.name));
    control->setGeometry(layout.box.left, layout.box.top, layout.box.width, layout.box.height);
    QFont font = fontOf(layout.font);
    font.setPixelSize(caption.pixelSize);
    control->setFont(font);
    control->setAutoFillBackground(layout.kind != ControlKind::Option);
    if (neverShown(layout))
        control->hide();
    return control;
}

// op0's box reaches over op250's circle, and op1's over op2's. The left option keeps only the
// part of its box that its neighbour leaves free, so a click lands on the option drawn there.
void leaveOverlapTo(QWidget* left, const QWidget* right)
{
    left->setMask(QRegion(0, 0, right->x() - left->x(), left->height()));
}

using OptionButtons = std::initializer_list<std::pair<QRadioButton*, Option>>;

// A group shows its selected option checked and only that one as a Tab stop. The explore panel's
// distance and frequency may stand for none of a group's options: none is checked then, which an
// exclusive group allows only out of its exclusion, and its first option is the Tab stop.
void showCaption(QLabel* label, const ShownCaption& caption)
{
    QFont font = label->font();
    font.setPixelSize(caption.pixelSize);
    label->setFont(font);
    label->setText(QString::fromStdString(caption.text));
}

void showOptionGroup(OptionButtons group, std::optional<Option> selected)
{
    for (const auto& [button, option] : group) {
        const QSignalBlocker quiet(button);
        if (!selected) {
            button->setAutoExclusive(false);
            button->setChecked(false);
            button->setAutoExclusive(true);
        } else if (option == *selected) {
            button->setChecked(true);
        }
        const bool tabStop = selected ? option == *selected : button == group.begin()->first;
        button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace

MainForm::MainForm(std::chrono::nanoseconds decrementLength) : surface_(*this, canvasSize), model_(surface_, *this, decrementLength)
{
    // Before anything a screen reader could ask about, so that it never meets the toolkit's own.
    AccessibleInterfaceFactory::install();
    setWindowTitle(QStringLiteral("Quorvel - https://quorvel.example/"));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, lightGreyBackground);
    setPalette(windowPalette);
    setFont(sans(11, false));
    resize(canvasSize);
    createControls();
    orderTabStops();
    connectInput();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { model_.pauseEnded(); });
    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, [this] { model_.settled(); });
    createExploreCommands();
    createPictureCommands();
    // F1 shows the keys the program knows; Escape stops a run and drops the input held through it.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainForm::showKeyboardHelp);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { model_.stopRun(); });
    model_.Form_Load();
    cmdStart->setFocus();
}

// In the layout's creation order; positions inside a frame are relative to the frame.
void MainForm::createControls()
{
    for (const WindowControl& layout : windowControls)
        laidOutControl(this, layout);
    const auto control = [this]<typename Control>(Control*& member, const char* name) { member = findChild<Control*>(QString::fromUtf8(name)); };
    control(HScroll1, "HScroll1");
    control(frmAnimace, "frmAnimace");
    control(opPomalá, "opPomalá");
    control(opPomalejší, "opPomalejší");
    control(opRychlá, "opRychlá");
    control(nSpomaleni, "nSpomaleni");
    control(frmKmitocet, "frmKmitocet");
    control(op2, "op2");
    control(op1, "op1");
    control(nKmitocet, "nKmitocet");
    control(cmdKonec, "cmdKonec");
    control(frmPosun, "frmPosun");
    control(op250, "op250");
    control(op0, "op0");
    control(nPosun, "nPosun");
    control(cmdStart, "cmdStart");
    control(labSoucet, "labSoucet");
    control(labDetektor, "labDetektor");
    control(labZdroj, "labZdroj");
    control(labKliknuti, "labKliknuti");
    control(labCas, "labCas");
    control(labRadius, "labRadius");
    control(labPosun, "labPosun");
    control(labZrcadlení, "labZrcadlení");
    // The scroll bar has no caption of its own; screen readers announce this name with its value.
    HScroll1->setAccessibleName(QCoreApplication::translate("MainForm", "Animation speed"));
    HScroll1->setAccessibleDescription(
        QCoreApplication::translate("MainForm", "Slowdown of the animation, from %1 at the left to %2 at the right").arg(speedRange.minimum).arg(speedRange.maximum));
    for (QLabel* hidden : {labSoucet, labDetektor, labZdroj, labRadius})
        hidden->hide();
    leaveOverlapTo(op0, op250);
    leaveOverlapTo(op1, op2);
    // The toolkit asks for a frame's interface as its caption is set, before the window knows the
    // frame as never shown.
    for (const WindowControl& layout : windowControls) {
        if (neverShown(layout))
            AccessibleInterfaceFactory::remake(findChild<QWidget*>(nameOf(layout.name)));
    }
}

QRect MainForm::pictureArea() const { return {QPoint(), canvasSize}; }

QImage MainForm::shownPicture() const
{
    const qreal ratio = surface_.picture().devicePixelRatio();
    QImage image(canvasSize * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // The window's background, as under the picture on the screen.
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    surface_.paint(painter, pictureArea());
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isVisibleTo(this))
            label->render(&painter, label->pos());
    }
    return image;
}

SavePicture MainForm::pictureToSave() const { return SavePicture(model_.pictureSvg(themeColours(*this)), shownPicture()); }

bool MainForm::isNeverShown(const QWidget* control) const
{
    return control && (control == frmAnimace || control->parentWidget() == frmAnimace || control == nPosun || control == nKmitocet || control == nSpomaleni);
}

// The controls that can take focus, in the order of their tab indices; labels and frames take
// none, and Tab passes over the hidden text boxes and speed options.
void MainForm::orderTabStops()
{
    std::array controls = windowControls;
    std::ranges::sort(controls, {}, &WindowControl::tabIndex);
    QWidget* previous = nullptr;
    for (const WindowControl& layout : controls) {
        QWidget* const control = findChild<QWidget*>(nameOf(layout.name));
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// What a person does to the visible controls becomes an action for the model, which carries it
// out at once or holds it while Start runs; the controls then show the model's state again, so
// that held input does not show before it is carried out. The speed options and the text boxes
// are never shown, and nothing a person does reaches them.
void MainForm::connectInput()
{
    connect(cmdStart, &QPushButton::clicked, this, [this] { model_.press(Button::cmdStart); });
    connect(cmdKonec, &QPushButton::clicked, this, [this] { model_.press(Button::cmdKonec); });
    connectOption(op0, Option::op0);
    connectOption(op250, Option::op250);
    connectOption(op1, Option::op1);
    connectOption(op2, Option::op2);
    // The thumb moves the value when it is released, not while it is dragged.
    HScroll1->setTracking(false);
    connect(HScroll1, &QAbstractSlider::sliderReleased, this, [this] { thumbReleased_ = HScroll1->sliderPosition() != HScroll1->value(); });
    connect(HScroll1, &QAbstractSlider::actionTriggered, this, &MainForm::moveSpeed);
    // A value set from outside, as a screen reader sets it, comes without an action.
    connect(HScroll1, &QAbstractSlider::valueChanged, this, [this](int value) {
        if (value != model_.state().HScroll1)
            model_.moveSpeed(SpeedMove::to(value));
    });
}

void MainForm::connectOption(QRadioButton* option, Option choice)
{
    connect(option, &QRadioButton::clicked, this, [this, choice] { model_.choose(choice); });
}

// Steps are moves by so many steps, so that steps held during a run add up; a released thumb
// moves to where it was let go. The scroll bar then stands where the model has it.
void MainForm::moveSpeed(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        model_.moveSpeed(SpeedMove::by(1));
        break;
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        model_.moveSpeed(SpeedMove::by(-1));
        break;
    case QAbstractSlider::SliderToMinimum:
        model_.moveSpeed(SpeedMove::to(speedRange.minimum));
        break;
    case QAbstractSlider::SliderToMaximum:
        model_.moveSpeed(SpeedMove::to(speedRange.maximum));
        break;
    case QAbstractSlider::SliderMove:
        // The wheel moves the thumb by steps; a drag ends where the thumb is let go.
        model_.moveSpeed(thumbReleased_ ? SpeedMove::to(HScroll1->sliderPosition()) : SpeedMove::by(HScroll1->sliderPosition() - HScroll1->value()));
        break;
    default:
        break;
    }
    thumbReleased_ = false;
    HScroll1->setSliderPosition(model_.state().HScroll1);
}

void MainForm::showState()
{
    const FormState& state = model_.state();
    nPosun->setText(QString::fromStdString(state.nPosun));
    nKmitocet->setText(QString::fromStdString(state.nKmitocet));
    nSpomaleni->setText(QString::fromStdString(state.nSpomaleni));
    showOptions(state);
    // Once the input at hand is handled, which may move the focus on.
    QMetaObject::invokeMethod(this, &MainForm::focusTheSelection, Qt::QueuedConnection);
    {
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(state.HScroll1);
    }
    // An arrow held as a run begins has made its step; its repeats would wait for the run's end
    // and move the speed on after it, so the press ends with its release.
    if (state.running && !runShown_)
        HScroll1->stopRepeating();
    runShown_ = state.running;
    labKliknuti->setVisible(state.promptShown);
    const std::pair<QLabel*, ResultLabel> results[] = {{labRadius, ResultLabel::Radius},
                                                       {labCas, ResultLabel::Cas},
                                                       {labZdroj, ResultLabel::Zdroj},
                                                       {labDetektor, ResultLabel::Detektor},
                                                       {labSoucet, ResultLabel::Soucet}};
    // Qt moves a shown label by copying its pixels on the screen, and with them whatever of a
    // label that moved off it just before was not yet painted over; where the labels stood and
    // stand is painted afresh.
    QRegion moved;
    for (const auto& [label, which] : results) {
        const LabelState& placed = state.label(which);
        const QRect to(QPoint(placed.left, placed.top), label->size());
        if (label->isVisible() && to != label->geometry())
            moved += QRegion(label->geometry()) + to;
        label->move(to.topLeft());
        label->setVisible(placed.shown);
    }
    update(moved);
    // The sum's label gives the spiral's size as drawn, worked out only when the label is shown.
    if (state.label(ResultLabel::Soucet).shown)
        showCaption(labSoucet, model_.sumLabelCaption());
    showSceneCaptions(state.explore.scene);
    showExplore(state.explore);
    describePictureAnew();
}

void MainForm::showOptions(const FormState& state)
{
    showOptionGroup({{op0, Option::op0}, {op250, Option::op250}}, state.distance);
    showOptionGroup({{op1, Option::op1}, {op2, Option::op2}}, state.frequency);
    showOptionGroup({{opRychlá, Option::opRychlá}, {opPomalejší, Option::opPomalejší}, {opPomalá, Option::opPomalá}}, state.speed);
}

// Beyond the mirror, the heading, the distance's caption and the time curve's say what the scene shows.
void MainForm::showSceneCaptions(SceneKind scene)
{
    if (scene == captionsScene_)
        return;
    captionsScene_ = scene;
    for (const std::string_view name : sceneCaptionedLabels)
        showCaption(findChild<QLabel*>(nameOf(name)), sceneCaption(windowLabel(name), scene));
}

// The panel stands beside the picture's area, which the window grows by, and gives back.
void MainForm::showExplore(const ExploreState& explore)
{
    exploreAction_->setChecked(explore.open);
    if (!explorePanel_)
        return;
    explorePanel_->showState(explore);
    const bool opens = explore.open && explorePanel_->isHidden();
    const bool closes = !explore.open && !explorePanel_->isHidden();
    const int height = explore.open ? panelHeight() : canvasSize.height();
    if (!opens && !closes && (!explore.open || height == explorePanel_->height()))
        return;
    explorePanel_->setVisible(explore.open);
    explorePanel_->resize(ExplorePanel::panelWidth, height);
    resize(explore.open ? QSize(canvasSize.width() + ExplorePanel::panelWidth, height) : canvasSize);
    if (opens)
        keepOnScreen();
}

// The panel is as high as the picture, or higher where its words need it, as a long language's
// lesson beside a note may: the window then grows below the picture, so that nothing is cut.
int MainForm::panelHeight() const
{
    return std::max(canvasSize.height(), explorePanel_->layout()->totalMinimumHeightForWidth(ExplorePanel::panelWidth));
}

// A window near the screen's right edge moves left as far as the panel needs, never past the
// left edge, so that the panel it grew by can be seen.
void MainForm::keepOnScreen()
{
    if (!screen())
        return;
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    const int beyond = std::min(frame.right() - available.right(), frame.left() - available.left());
    if (beyond > 0)
        move(pos() - QPoint(beyond, 0));
}

// An arrow key or a click held during a run moves the focus to an option that stays unselected;
// the focus goes back to the option shown selected, so that Tab leaves the group as it would.
void MainForm::focusTheSelection()
{
    auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    if (!focused || focused->isChecked() || focused->window() != this)
        return;
    for (QRadioButton* sibling : focused->parentWidget()->findChildren<QRadioButton*>()) {
        if (sibling->isChecked())
            sibling->setFocus(Qt::OtherFocusReason);
    }
}

// Ctrl+E and the picture's menu open and close the explore panel. Shift+F10 opens the menu from
// the keyboard, as the Menu key does through a context menu event.
void MainForm::createExploreCommands()
{
    exploreAction_ = new QAction(QString::fromStdString(panelWord(panelWords::heading)), this);
    exploreAction_->setCheckable(true);
    exploreAction_->setShortcut(ExplorePanel::toggleKey());
    addAction(exploreAction_);
    connect(exploreAction_, &QAction::triggered, this, &MainForm::toggleExplore);
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        const QWidget* anchor = focusWidget() ? focusWidget() : this;
        popUpPictureMenu(anchor->mapToGlobal(anchor->rect().center()));
    });
}

// Saving and copying act at once, even during a run, and leave the model as it is.
void MainForm::createPictureCommands()
{
    saveAction_ = new QAction(QCoreApplication::translate("MainForm", "Save picture…"), this);
    saveAction_->setShortcut(QKeySequence::Save);
    addAction(saveAction_);
    connect(saveAction_, &QAction::triggered, this, &MainForm::askToSavePicture);
    copyAction_ = new QAction(QCoreApplication::translate("MainForm", "Copy picture"), this);
    copyAction_->setShortcut(QKeySequence::Copy);
    addAction(copyAction_);
    connect(copyAction_, &QAction::triggered, this, &MainForm::copyPicture);
}

// The picture of the moment it is asked for, not of when the dialog closes on a run gone further.
// The name is completed before anything is asked about it, so that the question to replace a file
// is asked of the file that will be written.
void MainForm::askToSavePicture()
{
    const SavePicture picture = pictureToSave();
    const QString title = QCoreApplication::translate("MainForm", "Save picture");
    const QStringList filters{QCoreApplication::translate("MainForm", "PNG image (*.png)"), QCoreApplication::translate("MainForm", "SVG image (*.svg)"),
                              QCoreApplication::translate("MainForm", "JPEG image (*.jpg *.jpeg)")};
    const QStringList endings{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("jpg")};
    QFileDialog dialog(this, title, QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QStringLiteral("quorvel-picture.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString ending = endings.value(static_cast<int>(filters.indexOf(dialog.selectedNameFilter())), endings.front());
    const QString path = SavePicture::withEnding(typedName(dialog), ending);
    if (QFileInfo(path).isFile() &&
        QMessageBox::question(this, title, QCoreApplication::translate("MainForm", "%1 already exists. Do you want to replace it?").arg(QFileInfo(path).fileName()),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString problem = picture.save(path);
    if (!problem.isEmpty())
        QMessageBox::warning(this, title, problem);
}

// Qt's own dialog reads double quotes as marks around several names, so that q1"x".png came back
// as x.png; a name typed with one is taken as typed, in the dialog's folder.
QString MainForm::typedName(const QFileDialog& dialog)
{
    const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit != nullptr && edit->text().contains(QLatin1Char('"')))
        return dialog.directory().filePath(edit->text());
    return dialog.selectedFiles().front();
}

// As an image, and as SVG for the programs that take it.
void MainForm::copyPicture()
{
    auto* data = new QMimeData;
    data->setImageData(shownPicture());
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(model_.pictureSvg(themeColours(*this))));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MainForm::openExplore(bool open)
{
    if (open && !explorePanel_)
        createExplorePanel();
    model_.openExplore(open);
}

// The panel is made beforehand, as a toggle held through a run may open it later.
void MainForm::toggleExplore()
{
    if (!explorePanel_)
        createExplorePanel();
    model_.toggleExplore();
}

// The model opens the panel itself, so it is made beforehand.
void MainForm::applySetup(const Setup& setup)
{
    if (setup.explore && !explorePanel_)
        createExplorePanel();
    model_.apply(setup);
}

// The panel's number boxes read what was typed through the model as they lose the focus, which
// a window being taken down moves; they go while the model is still there.
MainForm::~MainForm() { delete std::exchange(explorePanel_, nullptr); }

void MainForm::createExplorePanel()
{
    explorePanel_ = new ExplorePanel(model_, this);
    explorePanel_->setGeometry(canvasSize.width(), 0, ExplorePanel::panelWidth, canvasSize.height());
    explorePanel_->hide();
    explorePanel_->followInTabOrder(HScroll1);
    model_.setGraphSurface(&explorePanel_->graphSurface());
}

void MainForm::popUpPictureMenu(QPoint globalPlace)
{
    if (!pictureMenu_) {
        pictureMenu_ = new QMenu(this);
        pictureMenu_->addAction(exploreAction_);
        pictureMenu_->addSeparator();
        pictureMenu_->addAction(saveAction_);
        pictureMenu_->addAction(copyAction_);
    }
    pictureMenu_->popup(globalPlace);
}

void MainForm::showKeyboardHelp()
{
    if (!keyboardHelp_)
        keyboardHelp_ = new KeyboardHelpDialog(this);
    keyboardHelp_->openFrom(focusWidget());
}

// The picture's menu comes with a right click on the picture, or the Menu key anywhere in the
// window.
void MainForm::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse && !QRect(QPoint(), canvasSize).contains(event->pos())) {
        event->ignore();
        return;
    }
    popUpPictureMenu(event->globalPos());
}

// A click that no control takes lands on the picture, where it may switch a segment of the mirror.
void MainForm::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && QRectF(QPointF(), QSizeF(canvasSize)).contains(at))
        model_.clickPicture(static_cast<float>(at.x()), static_cast<float>(at.y()));
    QWidget::mousePressEvent(event);
}

void MainForm::showPicture()
{
    surface_.showDrawn();
    describePictureAnew();
}

// Only while a screen reader listens: the words cost a little to make, and a pause comes often.
void MainForm::describePictureAnew()
{
    if (!QAccessible::isActive())
        return;
    if (auto* window = dynamic_cast<AccessibleWindow*>(QAccessible::queryAccessibleInterface(this)))
        window->picture().noticeChange();
}

void MainForm::showGraph()
{
    if (explorePanel_)
        explorePanel_->showGraph();
}

void MainForm::announce(const std::string& words)
{
    if (!QAccessible::isActive())
        return;
    if (auto* window = dynamic_cast<AccessibleWindow*>(QAccessible::queryAccessibleInterface(this)))
        window->announcement().announce(QString::fromStdString(words));
}

void MainForm::startTimer(std::chrono::nanoseconds length) { timer_.start(std::chrono::round<std::chrono::milliseconds>(length)); }

void MainForm::reportStop(const std::string& message) { std::cerr << message << std::endl; }

void MainForm::endProgram()
{
    timer_.stop();
    settleTimer_.stop();
    if (!closing_)
        close();
}

void MainForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    surface_.paint(painter, event->rect());
}

// A close request from the desktop unloads the window as Exit does: a run ends at its pause, and
// input held until then goes with the window.
void MainForm::closeEvent(QCloseEvent* event)
{
    closing_ = true;
    model_.unload();
    event->accept();
}

}  // namespace quorvel
