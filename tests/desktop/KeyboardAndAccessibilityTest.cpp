#include "tests/desktop/FormFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QAccessibleValueInterface>
#include <QMap>

namespace quorvel {
namespace {

using KeyboardAndAccessibility = testing::FormFixture;

// A control's role and name.
using Announced = std::pair<QAccessible::Role, QString>;

// After a Start every label is on show, so this is every control a person can see.
TEST_F(KeyboardAndAccessibility, AnnouncesTheWindowAndEveryVisibleControlByItsCaptionAndRole)
{
    click("cmdStart");
    const QMap<QString, Announced> expected = {
        {"cmdStart", {QAccessible::Button, "Start"}},
        {"cmdKonec", {QAccessible::Button, "Exit"}},
        {"frmPosun", {QAccessible::Grouping, "Distance"}},
        {"op0", {QAccessible::RadioButton, "0"}},
        {"op250", {QAccessible::RadioButton, "250"}},
        {"frmKmitocet", {QAccessible::Grouping, "Frequency"}},
        {"op1", {QAccessible::RadioButton, "1"}},
        {"op2", {QAccessible::RadioButton, "2"}},
        {"HScroll1", {QAccessible::ScrollBar, "Animation speed"}},
        {"labZrcadlení", {QAccessible::StaticText, "Difraction on mirror"}},
        {"labPosun", {QAccessible::StaticText, "Distance from middle of the mirror"}},
        {"labKliknuti", {QAccessible::StaticText, "Please press button Start"}},
        {"labRadius", {QAccessible::StaticText, "Photon vectors after reaching the detector"}},
        {"labCas", {QAccessible::StaticText, "Time (length)"}},
        {"labZdroj", {QAccessible::StaticText, "Source"}},
        {"labDetektor", {QAccessible::StaticText, "Detector"}},
        {"labSoucet", {QAccessible::StaticText, "Cornu spiral and sum vector"}},
    };
    QMap<QString, Announced> announced;
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&form))
            continue;
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(interface, nullptr) << control->objectName().toStdString();
        announced.insert(control->objectName(), {interface->role(), interface->text(QAccessible::Name)});
    }
    EXPECT_EQ(announced, expected);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Name), form.windowTitle());
}

TEST_F(KeyboardAndAccessibility, EscapeDuringARunEndsItAtThatPoint)
{
    activate();
    onPause = [&](std::chrono::nanoseconds) {
        if (pauses.size() == 3)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    click("cmdStart");
    EXPECT_EQ(pauses.size(), 3u);
    EXPECT_FALSE(form.model().state().running);
}

TEST_F(KeyboardAndAccessibility, TheScrollBarAnnouncesItsValueAsKeysMoveIt)
{
    activate();
    QAccessibleInterface* scrollBar = QAccessible::queryAccessibleInterface(find("HScroll1"));
    QAccessibleValueInterface* speed = scrollBar->valueInterface();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->minimumValue().toInt(), 1);
    EXPECT_EQ(speed->maximumValue().toInt(), 20);
    EXPECT_EQ(speed->currentValue().toInt(), 1);
    EXPECT_FALSE(scrollBar->text(QAccessible::Description).isEmpty());

    QTest::keyClick(find("HScroll1"), Qt::Key_Right);
    QTest::keyClick(find("HScroll1"), Qt::Key_Right);
    QTest::keyClick(find("HScroll1"), Qt::Key_Left);
    EXPECT_EQ(speed->currentValue().toInt(), 2);
    EXPECT_EQ(text("nSpomaleni"), "2");
}

TEST_F(KeyboardAndAccessibility, SpaceReturnAndEnterOnStartEachRunStartAndReturnOnExitClosesTheWindow)
{
    activate();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        find("cmdStart")->setFocus();
        QTest::keyClick(find("cmdStart"), key);
        ASSERT_TRUE(waitUntilIdle());
    }
    EXPECT_EQ(finishedRuns, 3);
    find("cmdKonec")->setFocus();
    QTest::keyClick(find("cmdKonec"), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
}

// Five stops and back at Start: the hidden text boxes and speed options are none.
TEST_F(KeyboardAndAccessibility, TabAndShiftTabWalkTheTabOrderBothWays)
{
    activate();
    EXPECT_EQ(tabWalk(5, Qt::Key_Tab), (QStringList{"op0", "cmdKonec", "op1", "HScroll1", "cmdStart"}));
    // X delivers Shift+Tab as Backtab with Shift held.
    EXPECT_EQ(tabWalk(5, Qt::Key_Backtab, Qt::ShiftModifier), (QStringList{"HScroll1", "op1", "cmdKonec", "op0", "cmdStart"}));
    EXPECT_EQ(tabWalk(2, Qt::Key_Tab, Qt::ShiftModifier), (QStringList{"HScroll1", "op1"}));
}

}  // namespace
}  // namespace quorvel
