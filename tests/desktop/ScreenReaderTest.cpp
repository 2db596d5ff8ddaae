#include "tests/desktop/FormFixture.h"
#include "tests/support/MirrorText.h"

#include "core/explore/ExploreWords.h"

#include <QAbstractSlider>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace quorvel {
namespace {

// What a screen reader hears: an event's kind, and the role and words of what it concerns.
struct Heard {
    QAccessible::Event event;
    QAccessible::Role role;
    QString name;
};
std::vector<Heard> heard;

// A screen reader acts through the interfaces as the desktop's bridge does, and listens while
// the toolkit's accessibility is on.
class ScreenReader : public testing::FormFixture {
protected:
    explicit ScreenReader(std::chrono::nanoseconds decrementLength = std::chrono::nanoseconds(0)) : FormFixture(decrementLength) {}

    void SetUp() override
    {
        FormFixture::SetUp();
        heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (QAccessibleInterface* about = event->accessibleInterface())
                heard.push_back({event->type(), about->role(), about->text(QAccessible::Name)});
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void TearDown() override
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    void act(const char* control, const QString& action) { accessible(control)->actionInterface()->doAction(action); }
    QString described() { return QString::fromStdString(form.model().pictureDescription()); }
    // What the window has said through its announcements so far.
    static QStringList said()
    {
        QStringList words;
        for (const Heard& h : heard) {
            if (h.event == QAccessible::ObjectShow && h.role == QAccessible::Notification)
                words << h.name;
        }
        return words;
    }
    // During the given pause of a run that a click begins, or at once when there is no run.
    void during(std::size_t pause, const std::function<void()>& input)
    {
        onPause = [this, at = pauses.size() + pause, input](std::chrono::nanoseconds) {
            if (pauses.size() == at)
                input();
        };
        if (pause > 0)
            QTest::mouseClick(find("cmdStart"), Qt::LeftButton);
        else
            input();
        ASSERT_TRUE(waitUntilIdle());
    }
    static QStringList names(QAccessibleInterface* parent)
    {
        QStringList names;
        for (int i = 0; i < parent->childCount(); ++i)
            names << parent->child(i)->text(QAccessible::Name);
        return names;
    }
};

// A second press in a tenth of a second needs a run that lasts.
class PacedScreenReader : public ScreenReader {
protected:
    PacedScreenReader() : ScreenReader(standardDecrementLength) {}
};

// Idle and during a run. The key's press of Start during a run waits as a press of Start; the
// focus that moves on after it takes none.
TEST_F(ScreenReader, PressesAndChoicesActInTheOrderTheyCome)
{
    for (const std::size_t pause : {0, 3}) {
        click("op0");
        during(pause, [&] {
            act("cmdStart", QAccessibleActionInterface::pressAction());
            act("op250", QAccessibleActionInterface::toggleAction());
        });
        EXPECT_TRUE(described().startsWith("Drawn for distance 0 and frequency 1")) << described().toStdString();
        EXPECT_TRUE(checked("op250"));
        EXPECT_EQ(text("nPosun"), "250");
    }
    activate();
    const int runs = finishedRuns;
    during(3, [&] {
        QTest::keyClick(find("cmdStart"), Qt::Key_Space);
        act("cmdKonec", QAccessibleActionInterface::setFocusAction());
        EXPECT_EQ(QApplication::focusWidget(), find("cmdKonec"));
    });
    EXPECT_EQ(finishedRuns - runs, 2);
    EXPECT_TRUE(form.isVisible());
}

// Two presses of Start fifty milliseconds apart run it twice. A screen reader's press of Start
// may come while the mouse holds an arrow down: the arrow steps once.
TEST_F(PacedScreenReader, TwoPressesOfStartRunItTwiceAndAnArrowHeldAsARunBeginsStepsOnce)
{
    const auto pressTwice = [&] {
        act("cmdStart", QAccessibleActionInterface::pressAction());
        QTimer::singleShot(50, [&] { act("cmdStart", QAccessibleActionInterface::pressAction()); });
    };
    pressTwice();
    ASSERT_TRUE(testing::waitWhile([&] { return finishedRuns < 2 || form.model().state().running; }, 5000));
    during(3, pressTwice);
    ASSERT_TRUE(testing::waitWhile([&] { return finishedRuns < 5 || form.model().state().running; }, 5000));
    EXPECT_EQ(finishedRuns, 5);

    auto* scrollBar = find<QScrollBar>("HScroll1");
    const QPoint rightArrow = scrollBarPart(QStyle::SC_ScrollBarAddLine).center();
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, rightArrow);
    QTest::keyClick(find("cmdStart"), Qt::Key_Space);
    EXPECT_TRUE(form.model().state().running);
    QTest::qWait(700);  // longer than the wait before the arrow repeats
    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, rightArrow);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(scrollBar->value(), 2);
    EXPECT_EQ(text("nSpomaleni"), "2");
}

// The explore panel is made when it first opens, with the screen reader already listening. Its
// presses and values come back to back, idle and during a run: a preset made after a value has
// to see it. In order, the grating is made of the middle third at distance 100 and frequency 1;
// with the presses last, of the middle third at frequency 2, which gives 2.13.
TEST_F(PacedScreenReader, ThePanelsPressesAndValuesActInTheOrderTheyCome)
{
    ASSERT_NO_FATAL_FAILURE(openWithCtrlE());
    const auto setValue = [&](const char* control, double value) { accessible(control)->valueInterface()->setCurrentValue(value); };
    const auto press = [&](const char* control) { act(control, QAccessibleActionInterface::pressAction()); };
    const ExploreState& explore = form.model().state().explore;
    for (const std::size_t pause : {0, 3}) {
        press("wholeMirror");
        setValue("distanceField", 0);
        setValue("frequencyField", 1.0);
        QTest::qWait(300);  // longer than any click the toolkit defers
        ASSERT_TRUE(explore.mirror.isWhole());
        during(pause, [&] {
            press("middleThird");
            setValue("distanceField", 100);
            press("grating");
            setValue("frequencyField", 2.0);
        });
        QTest::qWait(300);
        EXPECT_EQ(testing::mirrorText(explore.mirror), "000000000011110011000000000000") << pause;
        EXPECT_EQ(brightnessNumber(explore.brightness), "0.30") << pause;
    }
}

TEST_F(ScreenReader, ControlsNeverShownAreNeitherInTheTreeNorOperable)
{
    QStringList reached;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            EXPECT_EQ(parent->indexOfChild(child), i);
            EXPECT_EQ(child->parent(), parent);
            reached << (child->object() ? child->object()->objectName() : child->text(QAccessible::Name));
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(&form));
    for (const char* control : {"cmdStart", "cmdKonec", "op0", "op250", "op1", "op2", "HScroll1", "labKliknuti", "Picture"})
        EXPECT_TRUE(reached.contains(control)) << control;
    // Read as they are shown, top to bottom and left to right.
    const QStringList readingOrder{"cmdStart", "cmdKonec", "HScroll1", "op0", "op250", "op1", "op2"};
    QStringList read;
    std::copy_if(reached.begin(), reached.end(), std::back_inserter(read), [&](const QString& name) { return readingOrder.contains(name); });
    EXPECT_EQ(read, readingOrder);
    for (const char* control : {"frmAnimace", "opPomalá", "opPomalejší", "opRychlá", "nPosun", "nKmitocet", "nSpomaleni"}) {
        EXPECT_FALSE(reached.contains(control)) << control;
        QAccessibleInterface* unshown = accessible(control);
        EXPECT_EQ(unshown->actionInterface(), nullptr) << control;
        EXPECT_EQ(unshown->editableTextInterface(), nullptr) << control;
        EXPECT_EQ(unshown->valueInterface(), nullptr) << control;
        unshown->setText(QAccessible::Value, "7");
    }
    // Whatever reaches them from outside, a press or a text, sets nothing.
    for (const char* option : {"opPomalá", "opPomalejší"})
        find<QRadioButton>(option)->click();
    find<QLineEdit>("nKmitocet")->setText(QStringLiteral("abc"));
    EXPECT_EQ(text("nSpomaleni"), "1");
    EXPECT_EQ(text("nPosun"), "0");
    click("cmdStart");
    EXPECT_EQ(finishedRuns, 1);
    EXPECT_EQ(form.model().state().nSpomaleni, "1");
    EXPECT_EQ(text("nKmitocet"), "1");
    EXPECT_TRUE(find("labSoucet")->isVisible()) << "drawn at frequency 1";
}

TEST_F(ScreenReader, ThePictureIsDescribedInWordsThatFollowItAndTheBrightnessIsSaidOnceASliderStandsStill)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QAccessibleInterface* picture = window->child(0);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Picture");
    EXPECT_EQ(picture->rect(), QRect(form.mapToGlobal(QPoint()), QSize(800, 581)));
    const auto at = [&](QPoint place) { return window->childAt(form.mapToGlobal(place).x(), form.mapToGlobal(place).y()); };
    EXPECT_EQ(at({700, 500}), picture);
    EXPECT_EQ(at(find("cmdStart")->geometry().center()), accessible("cmdStart"));
    EXPECT_TRUE(picture->text(QAccessible::Description).endsWith("Start will draw distance 0 and frequency 1."));
    click("op250");
    heard.clear();
    click("cmdStart");
    EXPECT_TRUE(picture->text(QAccessible::Description).startsWith("Drawn for distance 250 and frequency 1: "));
    EXPECT_TRUE(std::any_of(heard.begin(), heard.end(), [](const Heard& h) { return h.event == QAccessible::DescriptionChanged && h.role == QAccessible::Graphic; }));
    EXPECT_EQ(names(accessible("frmPosun")), (QStringList{"0", "250"}));
    EXPECT_EQ(names(accessible("frmKmitocet")), (QStringList{"1", "2"}));

    // A drag sets the distance many times a second; the brightness is said once it stands still.
    form.openExplore(true);
    heard.clear();
    for (int step = 1; step <= 60; ++step)
        find<QAbstractSlider>("distance")->setValue(step * 4);
    EXPECT_EQ(said(), QStringList());
    QTest::qWait(3 * static_cast<int>(MainFormModel::settleTime.count()));
    const ExploreState& explore = form.model().state().explore;
    EXPECT_EQ(said(), QStringList{QString::fromStdString(brightnessWords(explore))});
}

}  // namespace
}  // namespace quorvel
