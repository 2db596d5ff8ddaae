#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"
#include "tests/support/WorkedValues.h"

#include <QScreen>
#include <QWheelEvent>

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
    // What the window shows on the screen, not what it would paint if asked.
    QImage screen() const { return form.screen()->grabWindow(form.winId()).toImage(); }

    QColor paletteColour(QPalette::ColorRole role) const { return form.palette().color(QPalette::Active, role); }

    void clickScrollBar(QPoint at) { QTest::mouseClick(find("HScroll1"), Qt::LeftButton, {}, at); }
    // The boxes of 0 and 1 reach over the circles of 250 and 2: a click on the centre of an
    // option's circle, where the user aims, chooses the option drawn there.
    void clickCircle(const std::string& option)
    {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, find(option.c_str())->mapTo(&form, QPoint(6, 6)));
        EXPECT_TRUE(checked(option.c_str())) << option;
    }
};

// What the window's controls do with keys, clicks and the wheel.
using Handlers = StartOnWindow;

// For each setting the options offer, chosen at the centres of their circles: the labels at their
// worked places, and the marks a person looks for on the screen.
TEST_F(StartOnWindow, ShowsEachSettingsMarksAndLabelsWhereTheyBelong)
{
    for (const auto& setting : testing::workedSettings()) {
        SCOPED_TRACE(testing::workedSettingName(setting));
        clickCircle("op" + setting["distance"].get<std::string>());
        clickCircle("op" + setting["frequency"].get<std::string>());
        click("cmdStart");
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
    click("cmdStart");
    EXPECT_EQ(checkedPoints, 30);
}

TEST_F(StartOnWindow, ABadSettingsTextStopsWithOneLineOnStandardError)
{
    form.model().setText(TextBox::nKmitocet, "fast");
    ::testing::internal::CaptureStderr();
    click("cmdStart");
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(error, "quorvel: Start stopped: frequency (nKmitocet) setting holds \"fast\", which is not a number\n");
}

// During a run a click on Start, an arrow key in a group and steps on the scroll bar wait for its
// end (in what order is the model's to say), and the controls go on showing the settings the run
// uses; the focus stays with the option shown selected, so that Tab leaves the group for the next
// control as it always does. The steps held add up.
TEST_F(Handlers, InputDuringARunActsAfterItAndTheControlsShowTheSettingsInUse)
{
    activate();
    auto* speed = find<QScrollBar>("HScroll1");
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 3) {
            // As from the desktop, through the window's handle.
            const QWidget* start = find("cmdStart");
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, start->mapTo(&form, start->rect().center()));
            find("op0")->setFocus();
            QTest::keyClick(find("op0"), Qt::Key_Right);
            QCoreApplication::processEvents();
            EXPECT_EQ(QApplication::focusWidget(), find("op0"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), find("cmdKonec"));
            speed->setFocus();
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(speed, Qt::Key_Right);
        }
        if (pauses.size() <= 30) {
            EXPECT_TRUE(checked("op0")) << "pause " << pauses.size();
            EXPECT_EQ(speed->value(), 1) << "pause " << pauses.size();
        }
    };
    click("cmdStart");
    EXPECT_EQ(finishedRuns, 2) << "the held click ran Start once more, after the first run";
    EXPECT_TRUE(checked("op250"));
    EXPECT_EQ(speed->value(), 4);
}

// Arrows and track step by one; the thumb sets the slowdown only when it is let go; End goes to
// the slowest. The wheel moves the speed scroll bar the way it moves any other horizontal scroll
// bar of the platform, for a vertical wheel and for a horizontal one, and the handler follows.
TEST_F(Handlers, ScrollBarArrowsTrackThumbAndWheelSetTheSlowdown)
{
    auto* scrollBar = find<QScrollBar>("HScroll1");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(scrollBar->value(), 2);
    EXPECT_EQ(text("nSpomaleni"), "2");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarAddPage).center());
    EXPECT_EQ(scrollBar->value(), 3);
    EXPECT_EQ(text("nSpomaleni"), "3");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(text("nSpomaleni"), "2");

    const QPoint grip = scrollBarPart(QStyle::SC_ScrollBarSlider).center();
    const QPoint end = scrollBarPart(QStyle::SC_ScrollBarAddPage).center();
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(scrollBar, end);
    EXPECT_GT(scrollBar->sliderPosition(), 2);
    EXPECT_EQ(text("nSpomaleni"), "2") << "no change while the thumb is dragged";
    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, end);
    EXPECT_GT(scrollBar->value(), 2);
    EXPECT_EQ(text("nSpomaleni"), QString::number(scrollBar->value()));
    QTest::keyClick(scrollBar, Qt::Key_End);
    EXPECT_EQ(scrollBar->value(), 20) << "the slowest";

    ASSERT_EQ(scrollBar->orientation(), Qt::Horizontal);
    QScrollBar other(Qt::Horizontal);
    other.setRange(1, 20);
    other.setSingleStep(1);
    other.setPageStep(1);
    for (const QPoint angle : {QPoint(0, -120), QPoint(0, 120), QPoint(-120, 0), QPoint(120, 0)}) {
        scrollBar->setValue(10);
        other.setValue(10);
        for (QScrollBar* bar : {scrollBar, &other}) {
            const QPointF centre = QRectF(bar->rect()).center();
            QWheelEvent wheel(centre, bar->mapToGlobal(centre), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
        }
        EXPECT_NE(other.value(), 10) << "the wheel moves a scroll bar";
        EXPECT_EQ(scrollBar->value(), other.value()) << "wheel " << angle.x() << ", " << angle.y();
        EXPECT_EQ(text("nSpomaleni"), QString::number(scrollBar->value()));
    }
}

// Space, Return and Enter on Start each run it; Escape ends a run at the point it has reached;
// Return on Exit closes the window.
TEST_F(Handlers, KeysOnStartRunItEscapeEndsTheRunAndReturnOnExitCloses)
{
    activate();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        find("cmdStart")->setFocus();
        QTest::keyClick(find("cmdStart"), key);
        ASSERT_TRUE(waitUntilIdle());
    }
    EXPECT_EQ(finishedRuns, 3);
    EXPECT_EQ(pauses.size(), 3 * 30u);
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 93)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    click("cmdStart");
    EXPECT_EQ(pauses.size(), 93u);
    EXPECT_FALSE(form.model().state().running);
    find("cmdKonec")->setFocus();
    QTest::keyClick(find("cmdKonec"), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace quorvel
