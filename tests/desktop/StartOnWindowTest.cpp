#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"
#include "tests/support/WorkedValues.h"

#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace quorvel {
namespace {

using testing::darkGreyPixel;
using testing::greenPixel;
using testing::hasColourNear;

// A label's worked place on whole pixels: halves go up.
QPoint labelPlace(const nlohmann::json& place) { return {static_cast<int>(place[0].get<double>() + 0.5), static_cast<int>(place[1].get<double>() + 0.5)}; }

QPoint pixel(const nlohmann::json& point) { return {point[0].get<int>(), point[1].get<int>()}; }

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
};

// For each setting the options offer: the labels at their worked places, and the marks a person
// looks for on the screen.
TEST_F(StartOnWindow, ShowsEachSettingsMarksAndLabelsWhereTheyBelong)
{
    for (const auto& setting : testing::workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(setting));
        click(("op" + setting["distance"].get<std::string>()).c_str());
        click(("op" + setting["frequency"].get<std::string>()).c_str());
        start();
        for (const auto& [label, place] : setting["labels"].items()) {
            EXPECT_TRUE(find(label.c_str())->isVisible()) << label;
            EXPECT_EQ(find(label.c_str())->pos(), labelPlace(place)) << label;
        }
        const QImage shown = screen();
        const auto& check = setting["checkPixels"];
        const QColor captionText = paletteColour(QPalette::HighlightedText);
        EXPECT_TRUE(hasColourNear(shown, pixel(check["sumVector"]), greenPixel)) << "sum vector";
        EXPECT_TRUE(hasColourNear(shown, pixel(check["source"]), captionText, 0)) << "source fill";
        EXPECT_TRUE(hasColourNear(shown, pixel(check["detector"]), captionText, 0)) << "detector fill, drawn again at the end";
        const int sourceX = setting["sourceX"];
        EXPECT_TRUE(hasColourNear(shown, {sourceX + 105, 240}, darkGreyPixel)) << "detector outline";
        EXPECT_TRUE(hasColourNear(shown, {sourceX - 5, 240}, paletteColour(QPalette::ButtonText))) << "source outline";
        EXPECT_FALSE(hasColourNear(shown, {sourceX - 5, 240}, darkGreyPixel, 0)) << "source outline";
    }
    EXPECT_EQ(pauses.size(), 4 * 30u);
}

// The boxes of 0 and 1 reach over the circles of 250 and 2: a click on the centre of an option's
// circle, where the user aims, chooses the option drawn there.
TEST_F(StartOnWindow, AClickOnTheCentreOfEachOptionsCircleChoosesThatOption)
{
    for (const char* option : {"op250", "op2", "op1", "op0"}) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, find(option)->mapTo(&form, QPoint(6, 6)));
        EXPECT_TRUE(find<QRadioButton>(option)->isChecked()) << option;
    }
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
}

// Clicks and keys during a run reach the model and act after the run (in what order is the
// model's to say); the controls meanwhile show the settings the run uses. From distance 250,
// speed 10: during the run Start, 2 and three Left keys on the scroll bar.
TEST_F(StartOnWindow, InputDuringARunActsAfterItInTheOrderItCame)
{
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
        }
        if (pauses.size() <= 30) {
            EXPECT_EQ(text("nKmitocet"), "1") << "pause " << pauses.size();
            EXPECT_EQ(speed->value(), 10) << "pause " << pauses.size();
            EXPECT_FALSE(find<QRadioButton>("op2")->isChecked()) << "pause " << pauses.size();
        }
    };
    start();
    EXPECT_EQ(finishedRuns, 2) << "the held click ran Start once more, after the first run";
    EXPECT_EQ(speed->value(), 7);
    EXPECT_TRUE(find<QRadioButton>("op250")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("op2")->isChecked());
}

}  // namespace
}  // namespace quorvel
