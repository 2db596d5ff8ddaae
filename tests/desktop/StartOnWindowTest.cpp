#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"
#include "tests/desktop/WorkedPixels.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using testing::darkGreyPixel;
using testing::greenPixel;
using testing::hasColourNear;
using testing::lightGreyPixel;

class StartOnWindow : public testing::FormFixture {
protected:
    void start() { click("cmdStart"); }

    // What the window shows on the screen, not what it would paint if asked.
    QImage screen() const { return form.screen()->grabWindow(form.winId()).toImage(); }

    QColor paletteColour(QPalette::ColorRole role) const { return form.palette().color(QPalette::Active, role); }

    // Input reaches the window as it does from the desktop, through the window's handle.
    void clickThroughWindow(const char* control)
    {
        QWidget* target = find(control);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, target->mapTo(&form, target->rect().center()));
    }

    int finishedRuns = 0;
};

// For each setting the options offer: the labels at their worked places, and the marks a person
// looks for on the screen.
TEST_F(StartOnWindow, ShowsEachSettingsMarksAndLabelsWhereTheyBelong)
{
    for (const auto& setting : testing::workedSettings()) {
        const std::string distance = setting["distance"];
        const std::string frequency = setting["frequency"];
        SCOPED_TRACE("distance " + distance + ", frequency " + frequency);
        click(("op" + distance).c_str());
        click(("op" + frequency).c_str());
        start();
        for (const auto& [label, place] : setting["labels"].items()) {
            EXPECT_TRUE(find(label.c_str())->isVisible()) << label;
            EXPECT_EQ(find(label.c_str())->pos(), testing::labelPlace(place)) << label;
        }
        const QImage shown = screen();
        const auto& check = setting["checkPixels"];
        const QColor captionText = paletteColour(QPalette::HighlightedText);
        EXPECT_TRUE(hasColourNear(shown, testing::pixel(check["sumVector"]), greenPixel)) << "sum vector";
        EXPECT_TRUE(hasColourNear(shown, testing::pixel(check["marker"]), darkGreyPixel)) << "least-time marker";
        EXPECT_TRUE(hasColourNear(shown, testing::pixel(check["source"]), captionText, 0)) << "source fill";
        EXPECT_TRUE(hasColourNear(shown, testing::pixel(check["detector"]), captionText, 0)) << "detector fill, drawn again at the end";
        const int sourceX = setting["sourceX"];
        EXPECT_TRUE(hasColourNear(shown, {sourceX + 105, 240}, darkGreyPixel)) << "detector outline";
        EXPECT_TRUE(hasColourNear(shown, {sourceX - 5, 240}, paletteColour(QPalette::ButtonText))) << "source outline";
        EXPECT_FALSE(hasColourNear(shown, {sourceX - 5, 240}, darkGreyPixel, 0)) << "source outline";
    }
    EXPECT_EQ(pauses.size(), 4 * 30u);
}

// The time-curve dot of point i for distance 0.
QPoint timeDot(int i)
{
    const double pointX = 44 + 12 * i;
    const double length = std::sqrt(2 * (50 * 50) + (354 - pointX) * (354 - pointX) + (454 - pointX) * (454 - pointX));
    return {static_cast<int>(pointX), static_cast<int>(490.5 - 0.2 * length)};
}

// At every pause the screen already shows that point: its time-curve dot and the end of its
// incoming ray, while the next point's dot is not there yet.
TEST_F(StartOnWindow, EachPointIsOnTheScreenBeforeItsPause)
{
    const QColor buttonFace = paletteColour(QPalette::Button);
    int checkedPoints = 0;
    onPause = [&](std::chrono::nanoseconds) {
        const int i = 2 * static_cast<int>(pauses.size()) - 1;
        const QImage shown = screen();
        const QPoint dot = timeDot(i);
        EXPECT_TRUE(hasColourNear(shown, dot, buttonFace, 0) || hasColourNear(shown, dot, darkGreyPixel, 0)) << "dot of point " << i;
        const QPoint rayEnd(static_cast<int>(354 + 0.9 * (dot.x() - 354)), static_cast<int>(240.5 + 0.9 * 50));
        EXPECT_TRUE(hasColourNear(shown, rayEnd, darkGreyPixel)) << "ray of point " << i;
        if (i < 59) {
            EXPECT_FALSE(hasColourNear(shown, timeDot(i + 2), darkGreyPixel, 2)) << "point " << i + 2 << " is not drawn yet";
        }
        ++checkedPoints;
    };
    start();
    EXPECT_EQ(checkedPoints, 30);
}

TEST_F(StartOnWindow, ABadSettingsTextStopsWithOneLineOnStandardError)
{
    form.model().setText(TextBox::nKmitocet, "fast");
    ::testing::internal::CaptureStderr();
    start();
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(error, "quorvel: Start stopped: frequency (nKmitocet) setting holds \"fast\", which is not a number\n");

    const QImage picture = form.surface().picture();
    EXPECT_EQ(picture.pixelColor(354, 240), lightGreyPixel) << "only the band is drawn";
    EXPECT_EQ(picture.pixelColor(600, 290), lightGreyPixel) << "no mirror";
    EXPECT_EQ(picture.pixelColor(400, 61), lightGreyPixel);
    EXPECT_EQ(picture.pixelColor(400, 60).alpha(), 0) << "nothing above the band";
    EXPECT_FALSE(find("labSoucet")->isVisible());
    EXPECT_TRUE(pauses.empty());
}

// Clicks and keys during a run reach the model in the order they came and act after the run; the
// controls meanwhile show the settings the run uses. From distance 250, speed 10: during the first
// run Start, 2 and three Left keys on the scroll bar; during the run the held Start begins, 0.
TEST_F(StartOnWindow, InputDuringARunActsAfterItInTheOrderItCame)
{
    QObject::connect(&form, &MainForm::finished, [&] { ++finishedRuns; });
    activate();
    click("op250");
    form.model().moveSpeed(SpeedMove::to(10));
    auto* speed = find<QScrollBar>("HScroll1");
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 3) {
            clickThroughWindow("cmdStart");
            clickThroughWindow("op2");
            speed->setFocus();
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(speed, Qt::Key_Left);
        } else if (pauses.size() == 33) {
            clickThroughWindow("op0");
        }
        if (pauses.size() <= 30) {
            EXPECT_EQ(text("nKmitocet"), "1") << "pause " << pauses.size();
            EXPECT_EQ(speed->value(), 10) << "pause " << pauses.size();
            EXPECT_FALSE(find<QRadioButton>("op2")->isChecked()) << "pause " << pauses.size();
        }
    };
    start();
    EXPECT_EQ(finishedRuns, 2) << "the held click ran Start once more, after the first run";
    EXPECT_EQ(pauses.size(), 60u) << "a run begun inside the first would have cut it short";
    EXPECT_EQ(speed->value(), 7);
    EXPECT_EQ(text("nSpomaleni"), "7");
    EXPECT_EQ(text("nPosun"), "0");
    EXPECT_EQ(text("nKmitocet"), "1");
    EXPECT_TRUE(find<QRadioButton>("op0")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("op1")->isChecked());
    EXPECT_FALSE(find("labSoucet")->isVisible()) << "the held choice of distance hid the labels after the run";
}

// A screen reader acts on the controls without mouse or keyboard. Its presses and the value it
// sets wait for the run's end like any click, and come after it in their order. The pauses are
// real here, since a pressed button is released by a timer.
TEST_F(StartOnWindow, AScreenReadersActionsDuringARunWaitForItsEnd)
{
    MainForm paced;
    paced.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&paced));
    std::vector<std::chrono::nanoseconds> lengths;
    QObject::connect(&paced, &MainForm::finished, [&] { ++finishedRuns; });
    const auto press = [&](const char* control) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(paced.findChild<QWidget*>(control));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    QObject::connect(&paced, &MainForm::paused, [&](std::chrono::nanoseconds length) {
        lengths.push_back(length);
        if (lengths.size() == 2) {
            press("op250");
            press("cmdStart");
            QAccessible::queryAccessibleInterface(paced.findChild<QWidget*>("HScroll1"))->valueInterface()->setCurrentValue(7);
        }
        if (lengths.size() <= 30) {
            EXPECT_EQ(paced.model().state().nPosun, "0") << "pause " << lengths.size();
            EXPECT_EQ(paced.model().state().nSpomaleni, "1") << "pause " << lengths.size();
        }
    });
    QTest::mouseClick(paced.findChild<QWidget*>("cmdStart"), Qt::LeftButton);
    ASSERT_TRUE(testing::waitWhile([&] { return finishedRuns < 2; }));
    EXPECT_EQ(paced.model().state().nPosun, "250");
    EXPECT_EQ(paced.model().state().nSpomaleni, "7");
    ASSERT_EQ(lengths.size(), 60u);
    EXPECT_EQ(std::vector(lengths.begin(), lengths.begin() + 30), std::vector(30, std::chrono::nanoseconds(15ms)));
    EXPECT_EQ(std::vector(lengths.begin() + 30, lengths.end()), std::vector(30, std::chrono::nanoseconds(7 * 15ms)))
        << "the second run was paced by the value set during the first";
    EXPECT_EQ(paced.findChild<QWidget*>("labSoucet")->pos(), QPoint(444, 191)) << "the second run drew distance 250 throughout";
}

TEST_F(StartOnWindow, ACloseRequestEndsARunAtItsPause)
{
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 5)
            form.close();
    };
    start();
    EXPECT_EQ(pauses.size(), 5u);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(find("labSoucet")->isVisible());
}

}  // namespace
}  // namespace quorvel
