#include "tests/desktop/FormFixture.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace quorvel {
namespace {

class Handlers : public testing::FormFixture {
protected:
    bool checked(const char* option) const { return find<QRadioButton>(option)->isChecked(); }

    QRect scrollBarPart(QStyle::SubControl part) const
    {
        const auto* scrollBar = find<QScrollBar>("HScroll1");
        QStyleOptionSlider option;
        option.initFrom(scrollBar);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Horizontal;
        option.minimum = scrollBar->minimum();
        option.maximum = scrollBar->maximum();
        option.sliderPosition = scrollBar->sliderPosition();
        option.sliderValue = scrollBar->value();
        option.singleStep = scrollBar->singleStep();
        option.pageStep = scrollBar->pageStep();
        return scrollBar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, scrollBar);
    }

    void clickScrollBar(QPoint at) { QTest::mouseClick(find("HScroll1"), Qt::LeftButton, {}, at); }
};

// During a run the choice waits, and the focus stays with the option shown selected, so that Tab
// leaves the group for the next control as it always does.
TEST_F(Handlers, ArrowKeysInAGroupChooseTheNextOption)
{
    activate();
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() != 3)
            return;
        find("op0")->setFocus();
        QTest::keyClick(find("op0"), Qt::Key_Right);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), find("op0"));
        EXPECT_TRUE(checked("op0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find("cmdKonec"));
    };
    click("cmdStart");
    EXPECT_TRUE(checked("op250")) << "the choice came after the run";
}

// Arrows and track step by one; the thumb sets the slowdown only when it is let go; End goes to
// the slowest.
TEST_F(Handlers, ScrollBarArrowsTrackAndThumbSetTheSlowdown)
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
}

// The wheel moves the speed scroll bar the way it moves any other horizontal scroll bar of the
// platform, for a vertical wheel and for a horizontal one, and the handler follows.
TEST_F(Handlers, TheWheelMovesTheSpeedScrollBarAsItMovesOtherScrollBars)
{
    auto* speed = find<QScrollBar>("HScroll1");
    ASSERT_EQ(speed->orientation(), Qt::Horizontal);
    QScrollBar other(Qt::Horizontal);
    other.setRange(1, 20);
    other.setSingleStep(1);
    other.setPageStep(1);
    for (const QPoint angle : {QPoint(0, -120), QPoint(0, 120), QPoint(-120, 0), QPoint(120, 0)}) {
        speed->setValue(10);
        other.setValue(10);
        for (QScrollBar* bar : {speed, &other}) {
            const QPointF centre = QRectF(bar->rect()).center();
            QWheelEvent wheel(centre, bar->mapToGlobal(centre), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
        }
        EXPECT_NE(other.value(), 10) << "the wheel moves a scroll bar";
        EXPECT_EQ(speed->value(), other.value()) << "wheel " << angle.x() << ", " << angle.y();
        EXPECT_EQ(text("nSpomaleni"), QString::number(speed->value()));
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
