#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"
#include "tests/support/MirrorText.h"

#include "desktop/ExplorePanel.h"
#include "desktop/Translations.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

namespace quorvel {
namespace {

const QSize windowArea(800, 581);
const QPoint segment12(44 + 24 * 11 + 12, 290);  // its centre, counting segments from 1

class Explore : public testing::FormFixture {
protected:
    // Types over what a field shows, each character as a keyboard sends it, and presses Enter;
    // returns what the field shows then.
    QString type(const char* field, const QString& text)
    {
        auto* box = find<QDoubleSpinBox>(field);
        box->setFocus();
        box->selectAll();
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
        return box->findChild<QLineEdit*>()->text();
    }
    // Where the control stands in the panel.
    QRect inPanel(const char* name) const { return {find(name)->mapTo(find("explorePanel"), QPoint()), find(name)->size()}; }
    QString refusal() const { return find("fieldRefusal")->isVisible() ? find<QLabel>("fieldRefusal")->text() : QString(); }
    static QMenu* popUp() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    const ExploreState& explore() { return form.model().state().explore; }
};

// The panel opened with Ctrl+E before the test begins.
class OpenExplore : public Explore {
protected:
    void SetUp() override
    {
        Explore::SetUp();
        openWithCtrlE();
    }
};

TEST_F(Explore, CtrlEAndThePicturesMenuOpenThePanelBesideTheUnchangedWindowAreaInTheTabOrderAndClosingGivesItsSizeBack)
{
    QMap<QString, QRect> places;
    for (const QWidget* control : form.findChildren<QWidget*>(QRegularExpression(".")))
        places.insert(control->objectName(), control->geometry());
    EXPECT_EQ(places.size(), 24);
    openWithCtrlE();
    EXPECT_EQ(form.size(), windowArea + QSize(ExplorePanel::panelWidth, 0));
    EXPECT_EQ(find("explorePanel")->geometry(), QRect(QPoint(800, 0), QSize(ExplorePanel::panelWidth, 581)));
    EXPECT_EQ(accessible("explorePanel")->text(QAccessible::Name), "Explore the paths");
    for (auto place = places.cbegin(); place != places.cend(); ++place)
        EXPECT_EQ(find(qPrintable(place.key()))->geometry(), place.value()) << place.key().toStdString();
    // The panel's named controls follow the window's in the tab order.
    find("HScroll1")->setFocus();
    const QStringList panel{"scene", "segments", "wholeMirror", "middleThird", "outerThirds", "grating", "aroundLeastTime", "awayFromLeastTime", "measure",
                            "distance", "distanceField", "frequency", "frequencyField", "secondShown", "secondFrequency", "closeExplore"};
    EXPECT_EQ(tabWalk(17, Qt::Key_Tab), panel + QStringList{"cmdStart"});
    EXPECT_EQ(tabWalk(2, Qt::Key_Backtab, Qt::ShiftModifier), (QStringList{"closeExplore", "secondFrequency"}));
    for (const QString& control : panel + QStringList{"brightnessBar", "brightnessGraph"})
        EXPECT_FALSE(accessible(qPrintable(control))->text(QAccessible::Name).isEmpty()) << control.toStdString();

    QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(form.size(), windowArea);
    EXPECT_FALSE(find("explorePanel")->isVisible());
    openWithCtrlE();
    QTest::mouseClick(find("closeExplore"), Qt::LeftButton);
    EXPECT_EQ(form.size(), windowArea);

    // A window near the screen's right edge moves left for the panel, but never past the left edge.
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.left() + 100, screen.top());
    openWithCtrlE();
    EXPECT_EQ(form.frameGeometry().left(), std::max(screen.left(), std::min(screen.left() + 100, screen.right() - form.frameGeometry().width() + 1)));
    QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);

    // Ctrl+E in a number field closes the panel too, and keeps the number typed in it.
    openWithCtrlE();
    auto* field = find<QDoubleSpinBox>("distanceField");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "120");
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(explore().open);
    EXPECT_EQ(explore().distance, 120);

    // The picture's menu opens and closes the panel from a right click, Shift+F10 and the Menu key.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 400), form.mapToGlobal(QPoint(400, 400)));
    QApplication::sendEvent(&form, &rightClick);
    ASSERT_NE(popUp(), nullptr);
    QStringList offered;
    for (const QAction* action : popUp()->actions())
        offered << action->text() + ' ' + action->shortcut().toString();
    EXPECT_EQ(offered, (QStringList{"Explore the paths Ctrl+E", " ", "Save picture… Ctrl+S", "Copy picture Ctrl+C"}));
    QAction* exploreItem = popUp()->actions().constFirst();
    EXPECT_TRUE(exploreItem->isCheckable() && !exploreItem->isChecked());
    exploreItem->trigger();
    popUp()->close();
    EXPECT_TRUE(explore().open);

    QTest::keyClick(&form, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(popUp(), nullptr);
    EXPECT_TRUE(exploreItem->isChecked());
    popUp()->close();
    // The platform sends the Menu key to the focused control, which leaves it to the window.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), find("cmdStart")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(find("cmdStart"), &menuKey);
    ASSERT_NE(popUp(), nullptr);
    exploreItem->trigger();
    popUp()->close();
    EXPECT_EQ(form.size(), windowArea);
}

// A click on the picture reaches the segment under it (the model leaves the mirror alone while
// the panel is closed); the window's controls keep their clicks.
TEST_F(OpenExplore, TheKeyboardOnTheStripAndAClickOnTheMirrorSwitchASegmentAndAScreenReaderHearsItsName)
{
    find("scene")->setFocus();
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(explore().currentSegment, 4);
    EXPECT_EQ(accessible("segments")->text(QAccessible::Name), "segment 5 of 30, off");
    EXPECT_EQ(accessible("segments")->valueInterface()->currentValue().toInt(), 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(accessible("segments")->text(QAccessible::Name), "segment 1 of 30, on");

    QTest::mouseClick(&form, Qt::LeftButton, {}, segment12);
    QTest::mouseClick(find("op250"), Qt::LeftButton, {}, QPoint(20, 6));
    EXPECT_TRUE(form.model().state().selected(Option::op250));
    EXPECT_EQ(testing::mirrorText(explore().mirror), "111101111110111111111111111111");
}

// A distance or frequency away from the options redraws the picture at once and leaves them
// unselected. Left on the slider is left in the picture: its left end is 330, and the right arrow
// moves the pair right, to a smaller distance. The graph's plot runs from x = 28 for 330 to 286 for
// -330, as the pair stands in the picture, so x = 59 stands for 330 - 31 * 660 / 258 = 250.7, 251,
// left of the middle; the graph says in words what it reads there. A second frequency's curve
// comes in its colour, shown beside it.
TEST_F(OpenExplore, TheDistanceAndFrequencyControlsAndTheGraphMoveThePairAndRedrawAtOnce)
{
    auto* slider = find<QAbstractSlider>("distance");
    slider->setValue(250);
    EXPECT_TRUE(checked("op250"));
    const QImage at250 = form.surface().picture();
    slider->setValue(100);
    EXPECT_NE(form.surface().picture(), at250);
    EXPECT_EQ(find<QDoubleSpinBox>("distanceField")->value(), 100);
    EXPECT_FALSE(checked("op0") || checked("op250"));
    EXPECT_EQ(find("op0")->focusPolicy(), Qt::StrongFocus) << "the group stays a Tab stop";
    find<QDoubleSpinBox>("frequencyField")->setValue(1.5);
    EXPECT_EQ(find<QAbstractSlider>("frequency")->value(), 15);
    EXPECT_FALSE(checked("op1") || checked("op2"));

    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 8, slider->height() / 2));
    EXPECT_GT(slider->value(), 100);
    slider->setValue(250);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(explore().distance, 249);

    find<QDoubleSpinBox>("frequencyField")->setValue(1);
    QTest::mouseClick(find("brightnessGraph"), Qt::LeftButton, {}, QPoint(59, 75));
    EXPECT_EQ(slider->value(), 251);
    const QImage graph = find("brightnessGraph")->grab().toImage();
    EXPECT_TRUE(testing::hasColourNear(graph, QPoint(59, 30), testing::greenPixel));
    EXPECT_FALSE(testing::hasColourNear(graph, QPoint(235, 30), testing::greenPixel, 3));
    const QString words = accessible("brightnessGraph")->text(QAccessible::Description);
    EXPECT_TRUE(words.contains("at the pair, distance 251, it gives 0.75.")) << words.toStdString();
    EXPECT_TRUE(words.endsWith(". A click moves the source and the detector to the distance under it")) << words.toStdString();

    find<QDoubleSpinBox>("secondFrequency")->setValue(2);
    QTest::mouseClick(find("secondShown"), Qt::LeftButton, {}, QPoint(6, find("secondShown")->height() / 2));
    EXPECT_TRUE(explore().secondShown && explore().secondFrequencyTenths == 20);
    EXPECT_TRUE(find<QLabel>("secondSwatch")->styleSheet().contains("#6600cc"));
    EXPECT_TRUE(testing::hasColourNear(find("brightnessGraph")->grab().toImage(), QPoint(157, 75), QColor(102, 0, 204), 70));

    // Qt moves a shown label by copying its pixels on the screen, which held bits of a label that
    // had just moved off it, left behind at 297 after each of these routes; after each live change
    // the window as the screen shows it is the window drawn afresh.
    for (const auto& [distance, tenths] : {std::pair(210, 6), std::pair(297, 10), std::pair(-100, 14), std::pair(297, 10), std::pair(-330, 12), std::pair(297, 10)}) {
        slider->setValue(distance);
        find<QAbstractSlider>("frequency")->setValue(tenths);
        QApplication::processEvents();
        const QImage shown = form.screen()->grabWindow(form.winId(), 0, 0, windowArea.width(), windowArea.height()).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), form.grab(QRect(QPoint(), windowArea)).toImage().convertToFormat(QImage::Format_RGB32)) << distance;
    }
}

// Beyond the mirror its segments, presets and measure go, the slider moves the detector alone and
// the frequency reaches as far as the scene shows truly: water to 1.2, the gap to 1.4.
TEST_F(OpenExplore, ChoosingASceneRedrawsThePictureAtOnceAndShowsOnlyItsOwnControlsAsTheGapSlider)
{
    const QStringList mirrorOnly{"segments", "wholeMirror", "middleThird", "outerThirds", "grating", "aroundLeastTime", "awayFromLeastTime", "measure"};
    const auto shown = [this](const QStringList& names) {
        QStringList visible;
        std::copy_if(names.begin(), names.end(), std::back_inserter(visible), [this](const QString& name) { return find(qPrintable(name))->isVisible(); });
        return visible;
    };
    const auto captioned = [this](const char* control) {
        const QList<QLabel*> labels = find("explorePanel")->findChildren<QLabel*>();
        const auto caption = std::ranges::find_if(labels, [&](const QLabel* label) { return label->buddy() == find(control) && label->isVisible(); });
        return caption == labels.end() ? QString() : (*caption)->text();
    };
    find<QAbstractSlider>("distance")->setValue(100);
    const QImage mirror = form.surface().picture();
    EXPECT_EQ(captioned("distance"), "Distance");
    auto* scene = find<QComboBox>("scene");
    scene->setFocus();
    QTest::keyClick(scene, Qt::Key_Down);
    EXPECT_EQ(explore().scene, SceneKind::Water);
    EXPECT_EQ(scene->currentText(), "Into water");
    EXPECT_NE(form.surface().picture(), mirror);
    EXPECT_EQ(shown(mirrorOnly + QStringList{"gap"}), QStringList());
    EXPECT_EQ(accessible("distance")->text(QAccessible::Name), captioned("distance"));
    EXPECT_EQ(captioned("distance"), "Detector's place");
    EXPECT_EQ(find<QAbstractSlider>("frequency")->maximum(), 12);
    // The window's heading names the scene, and a path's time there is more than its length.
    EXPECT_EQ(QStringList({label("labZrcadlení"), label("labCas")}), QStringList({"Into water", "Time"}));
    // The sum label gives the size the spiral is drawn at.
    EXPECT_EQ(label("labSoucet"), "Cornu spiral and sum vector (\u00d7\u00a00.69)");

    QTest::keyClick(scene, Qt::Key_End);
    EXPECT_EQ(explore().scene, SceneKind::Gap);
    EXPECT_EQ(shown(mirrorOnly + QStringList{"gap", "gapNumber"}), (QStringList{"gap", "gapNumber"}));
    EXPECT_EQ(captioned("gap"), "Gap in points");
    // A gap of 8 points leaves 11 closed at each end; the slider stops only on even widths, so that
    // the gap stands centred. A click on the picture finds no mirror to scrape beyond it.
    auto* gap = find<QAbstractSlider>("gap");
    gap->setFocus();
    QTest::keyClick(gap, Qt::Key_Right);
    EXPECT_EQ(explore().pathsThatCount(), Mirror::span(11, 18));
    EXPECT_EQ(label("gapNumber"), "8");
    gap->setValue(13);
    EXPECT_EQ(explore().gapPoints, 14);
    EXPECT_EQ(gap->value(), 14);
    QTest::mouseClick(&form, Qt::LeftButton, {}, segment12);
    EXPECT_TRUE(explore().mirror.isWhole());

    QTest::keyClick(scene, Qt::Key_Home);
    EXPECT_EQ(shown(mirrorOnly + QStringList{"gap"}), mirrorOnly);
    EXPECT_EQ(captioned("distance"), "Distance");
    EXPECT_EQ(label("labZrcadlení"), "Difraction on mirror");

    // A frequency the scene moved unasked is explained in sight, under the frequencies.
    form.model().perform(FrequencySetting{20});
    QTest::keyClick(scene, Qt::Key_Down);
    EXPECT_EQ(shown({"frequencyNote"}), QStringList{"frequencyNote"});
    EXPECT_TRUE(label("frequencyNote").startsWith("Frequency brought down to 1.2,")) << label("frequencyNote").toStdString();
}

// The grating made at 250 shows both figures of the table (9.40 and 12.53), in words on the bar
// too, and its bar is not full: full is the most light any mirror sends at the frequency (12.26),
// so that 2.1 and 9.40 look different. The bar only shows: a screen reader is offered no
// Increase or Decrease.
TEST_F(OpenExplore, TheBrightnessBarShowsBothFiguresAndIsAnIndicatorWithNoActions)
{
    find<QDoubleSpinBox>("distanceField")->setValue(250);
    QAccessibleInterface* bar = accessible("brightnessBar");
    EXPECT_EQ(bar->text(QAccessible::Description), "0.75 of the light of a whole mirror at the middle, 1.00 times that of the whole mirror here");
    EXPECT_EQ(QStringList({bar->text(QAccessible::Name), bar->text(QAccessible::Value)}), QStringList({"Brightness", "0.75"}));
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->valueInterface(), nullptr);
    EXPECT_TRUE(bar->actionInterface() == nullptr || bar->actionInterface()->actionNames().isEmpty());

    find<QPushButton>("grating")->click();
    EXPECT_EQ(label("brightnessNumber"), "9.40");
    EXPECT_EQ(label("brightnessHere"), "12.53 times as likely as with the whole mirror here");
    EXPECT_EQ(std::pair(find<QProgressBar>("brightnessBar")->value(), find<QProgressBar>("brightnessBar")->maximum()), std::pair(940, 1226));
}

// The ends' lesson shows within the panel's height, its offer is one press, and the real lengths
// bring the frequency's range down to what they show truly, for the keyboard as for the mouse.
TEST_F(OpenExplore, TheEndsLessonFitsThePanelAndItsOfferIsOnePress)
{
    QTest::mouseClick(find("middleThird"), Qt::LeftButton);
    const auto* lesson = form.findChild<QLabel*>("endsLesson");
    ASSERT_NE(lesson, nullptr);
    EXPECT_TRUE(lesson->isVisible());
    EXPECT_EQ(find<QPushButton>("endsOffer")->text(), "Try frequency 2");
    const QRect panel = find("explorePanel")->rect();
    EXPECT_TRUE(panel.contains(inPanel("closeExplore")));
    for (const char* name : {"endsLesson", "endsOffer", "measure", "frequencyField", "brightnessGraph"}) {
        EXPECT_TRUE(panel.contains(inPanel(name))) << name;
        EXPECT_FALSE(inPanel(name).intersects(inPanel("closeExplore"))) << name;
    }
    QTest::mouseClick(find("endsOffer"), Qt::LeftButton);
    EXPECT_EQ(explore().frequencyTenths, 20);
    EXPECT_FALSE(lesson->isVisible()) << "the ends cancel at 2";

    find("measure")->setFocus();
    QTest::keyClick(find("measure"), Qt::Key_Down);
    EXPECT_EQ(find<QDoubleSpinBox>("frequencyField")->value(), 1.3);
    EXPECT_EQ(accessible("measure")->text(QAccessible::Name), "Real length (the two legs)");
    // The note of the frequency brought down gives its place to a refusal, within the height.
    EXPECT_TRUE(find("frequencyNote")->isVisible());
    type("frequencyField", "abc");
    EXPECT_EQ(QList<bool>({find("frequencyNote")->isVisible(), find("fieldRefusal")->isVisible()}), QList<bool>({false, true}));
    EXPECT_TRUE(panel.contains(inPanel("brightnessGraph")));
}

// The spin boxes dropped what they could not take as it was typed ("1e9" became 19, a German
// "1,5" 1.0): the text goes to the core whole, read as the language writes it. A refusal is shown
// under the fields, said to screen readers and marked, with room beside the ends' lesson, until
// Enter takes the value in use as shown; the first key typed after it is kept. A field emptied
// shows the value in use again, refusing nothing.
TEST_F(OpenExplore, ANumberTypedIsTakenWholeOrRefusedVisibly)
{
    QTest::mouseClick(find("middleThird"), Qt::LeftButton);
    EXPECT_EQ(type("distanceField", QString::fromUtf8("\u2212200")), "-200");
    EXPECT_EQ(type("distanceField", "1e9"), "-200");
    const QString words("\"1e9\" is not taken: the distance is a whole number from -330 to 330.");
    EXPECT_EQ(QStringList({refusal(), find("distanceField")->accessibleDescription()}), QStringList({words, words}));
    EXPECT_NE(find("distanceField")->palette().color(QPalette::Base), QPalette().color(QPalette::Base)) << "marked";
    EXPECT_TRUE(find("explorePanel")->rect().contains(inPanel("brightnessGraph"))) << "the words fit";
    QTest::keyClick(find("distanceField"), Qt::Key_Return);
    EXPECT_EQ(refusal(), "");
    EXPECT_EQ(find("distanceField")->palette().color(QPalette::Base), QPalette().color(QPalette::Base)) << "unmarked";
    EXPECT_EQ(type("frequencyField", "1,5"), "1") << "English writes no decimal comma";
    {
        const Translations german(QStringLiteral("de"));
        EXPECT_EQ(type("frequencyField", "1,5"), "1.5");
        EXPECT_EQ(type("secondFrequency", "0,7"), "0.7");
    }
    auto* box = find<QDoubleSpinBox>("frequencyField");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);
    box->clearFocus();
    EXPECT_EQ(std::pair(box->findChild<QLineEdit*>()->text(), refusal()), std::pair(QStringLiteral("1.5"), QString()));
    EXPECT_EQ(type("distanceField", "400"), "-200");
    EXPECT_EQ(type("distanceField", "37"), "37");
    EXPECT_EQ(std::tuple(explore().distance, explore().frequencyTenths, explore().secondFrequencyTenths, refusal()), std::tuple(37, 15, 7, QString()));
}

}  // namespace
}  // namespace quorvel
