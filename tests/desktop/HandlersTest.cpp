#include "tests/desktop/FormFixture.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace quorvel {
namespace {

const char* const resultLabels[] = {"labRadius", "labCas", "labZdroj", "labDetektor", "labSoucet"};

class Handlers : public testing::FormFixture {
protected:
    bool checked(const char* option) const { return find<QRadioButton>(option)->isChecked(); }

    int visibleResultLabels() const
    {
        int visible = 0;
        for (const char* label : resultLabels)
            visible += find(label)->isVisible() ? 1 : 0;
        return visible;
    }

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

    // The centre of an option's circle as the style draws it, in the window's coordinates.
    QPoint circleCentre(const char* option) const
    {
        const auto* button = find<QRadioButton>(option);
        QStyleOptionButton style;
        style.initFrom(button);
        style.text = button->text();
        return button->mapTo(&form, button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, button).center());
    }
};

// The boxes of 0 and 1 reach over the circles of 250 and 2; a click aimed at a circle must still
// choose the option drawn there. The clicks come through the window, as from the desktop.
TEST_F(Handlers, AClickOnTheCentreOfEachOptionsCircleChoosesThatOption)
{
    for (const char* option : {"op250", "op0", "op2", "op1"}) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, circleCentre(option));
        EXPECT_TRUE(checked(option)) << option << " at " << circleCentre(option).x() << ", " << circleCentre(option).y();
    }
    EXPECT_EQ(text("nPosun"), "0");
    EXPECT_EQ(text("nKmitocet"), "1");
}

// The controls show what the handlers did: distance 0 selects frequency 1 in the other frame,
// and the explanations go while the picture stays.
TEST_F(Handlers, ChoosingASettingShowsItsEffectsButKeepsThePicture)
{
    click("op250");
    click("op2");
    click("cmdStart");
    ASSERT_EQ(visibleResultLabels(), 5);
    const QImage picture = form.surface().picture();
    click("op0");
    EXPECT_TRUE(checked("op0"));
    EXPECT_TRUE(checked("op1"));
    EXPECT_FALSE(checked("op2"));
    EXPECT_EQ(text("nKmitocet"), "1");
    EXPECT_EQ(visibleResultLabels(), 0);
    EXPECT_FALSE(find("labKliknuti")->isVisible()) << "the prompt does not come back";
    EXPECT_EQ(form.surface().picture(), picture);
}

TEST_F(Handlers, ClickingTheSelectedOptionChangesNothing)
{
    click("cmdStart");
    click("op0");
    click("op1");
    EXPECT_EQ(visibleResultLabels(), 5);
    EXPECT_TRUE(find("labKliknuti")->isVisible());
}

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
    EXPECT_TRUE(checked("op250"));
    onPause = nullptr;
    find("op1")->setFocus();
    QTest::keyClick(find("op1"), Qt::Key_Right);
    EXPECT_TRUE(checked("op2"));
    EXPECT_EQ(text("nKmitocet"), "2");
}

TEST_F(Handlers, ScrollBarArrowsAndTrackStepByOneAndSetTheSlowdown)
{
    click("cmdStart");
    auto* scrollBar = find<QScrollBar>("HScroll1");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(scrollBar->value(), 2);
    EXPECT_EQ(text("nSpomaleni"), "2");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarAddPage).center());
    EXPECT_EQ(scrollBar->value(), 3);
    EXPECT_EQ(text("nSpomaleni"), "3");
    clickScrollBar(scrollBarPart(QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(text("nSpomaleni"), "2");
    EXPECT_EQ(visibleResultLabels(), 5) << "the slowdown changes no label";
    EXPECT_FALSE(checked("opPomalá") || checked("opPomalejší"));
}

TEST_F(Handlers, DraggingTheThumbSetsTheSlowdownOnlyOnRelease)
{
    auto* scrollBar = find<QScrollBar>("HScroll1");
    const QPoint grip = scrollBarPart(QStyle::SC_ScrollBarSlider).center();
    const QPoint end = scrollBarPart(QStyle::SC_ScrollBarAddPage).center();
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(scrollBar, end);
    EXPECT_GT(scrollBar->sliderPosition(), 1);
    EXPECT_EQ(text("nSpomaleni"), "1") << "no change while the thumb is dragged";
    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, end);
    EXPECT_GT(scrollBar->value(), 1);
    EXPECT_EQ(text("nSpomaleni"), QString::number(scrollBar->value()));
}

TEST_F(Handlers, ScrollBarKeysMoveTheThumbTheirWayByOne)
{
    activate();
    find("HScroll1")->setFocus();
    QTest::keyClick(find("HScroll1"), Qt::Key_Right);
    QTest::keyClick(find("HScroll1"), Qt::Key_Right);
    EXPECT_EQ(text("nSpomaleni"), "3");
    QTest::keyClick(find("HScroll1"), Qt::Key_Left);
    EXPECT_EQ(text("nSpomaleni"), "2");
}

// That closing the window ends the program with status 0 is checked on the real program.
TEST_F(Handlers, ExitClosesTheWindow)
{
    click("cmdKonec");
    EXPECT_TRUE(form.isHidden());
}

// The wheel moves the speed scroll bar the way it moves any other horizontal scroll bar of the
// platform, for a vertical wheel and for a horizontal one, and the handler follows.
TEST_F(Handlers, TheWheelMovesTheSpeedScrollBarAsItMovesOtherScrollBars)
{
    auto* speed = find<QScrollBar>("HScroll1");
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

// The speed options and the text boxes are never shown: whatever reaches them from outside, such
// as a screen reader's press, sets nothing.
TEST_F(Handlers, ControlsNeverShownDoNotAct)
{
    for (const char* option : {"opPomalá", "opPomalejší"})
        find<QRadioButton>(option)->click();
    find<QLineEdit>("nKmitocet")->setText(QStringLiteral("abc"));
    click("cmdStart");
    EXPECT_EQ(pauses, std::vector(30, std::chrono::nanoseconds(0))) << "paced by the scroll bar's 1";
    EXPECT_EQ(form.model().state().nSpomaleni, "1");
    EXPECT_TRUE(find("labSoucet")->isVisible()) << "the frequency text stays 1";
    EXPECT_EQ(text("nKmitocet"), "1");
}

}  // namespace
}  // namespace quorvel
