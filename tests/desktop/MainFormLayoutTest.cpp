#include "tests/desktop/FormFixture.h"

#include "core/layout/WindowLayout.h"

#include <QGroupBox>
#include <QLabel>

namespace quorvel {
namespace {

QString caption(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

// By ControlKind: the toolkit's class, and the role a screen reader meets.
constexpr std::pair<const char*, QAccessible::Role> classes[] = {{"QScrollBar", QAccessible::ScrollBar}, {"QGroupBox", QAccessible::Grouping},
                                                                 {"QRadioButton", QAccessible::RadioButton}, {"QLineEdit", QAccessible::EditableText},
                                                                 {"QPushButton", QAccessible::Button}, {"QLabel", QAccessible::StaticText}};

using MainFormLayout = testing::FormFixture;

// It opens in its start-up state over the whole picture, with the controls over the picture
// opaque, so that it shows only around them. Tab and Shift+Tab walk five stops and back at Start:
// the hidden text boxes and speed options are none; a group is reached at its selected option.
// After a Start every label is on show; a screen reader hears each control a person can see by
// its caption and role, and never meets the others.
TEST_F(MainFormLayout, OpensInItsStartUpStateWalksTheTabOrderAndBuildsAndAnnouncesEachControlOfTheLayout)
{
    QStringList checked;
    for (const QRadioButton* option : form.findChildren<QRadioButton*>()) {
        if (option->isChecked())
            checked << option->objectName();
    }
    EXPECT_EQ(checked, (QStringList{"opRychlá", "op1", "op0"}));

    QStringList visibleLabels;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->isVisible())
            visibleLabels << label->objectName();
    }
    visibleLabels.sort();
    EXPECT_EQ(visibleLabels, (QStringList{"labKliknuti", "labPosun", "labZrcadlení"}));
    EXPECT_TRUE(find("cmdStart")->hasFocus());
    EXPECT_TRUE(form.windowTitle().startsWith("Quorvel - "));
    EXPECT_GE(form.width(), pictureSize.width);
    EXPECT_GE(form.height(), pictureSize.height);
    const QColor lightGrey(192, 192, 192);
    EXPECT_EQ(form.palette().color(QPalette::Window), lightGrey);
    for (const char* name : {"labSoucet", "labKliknuti", "frmPosun", "cmdStart"}) {
        EXPECT_EQ(find(name)->palette().color(QPalette::Window), lightGrey) << name;
        EXPECT_TRUE(find(name)->autoFillBackground()) << name << " must be opaque over the picture";
    }

    activate();
    EXPECT_EQ(tabWalk(5, Qt::Key_Tab), (QStringList{"op0", "cmdKonec", "op1", "HScroll1", "cmdStart"}));
    // X delivers Shift+Tab as Backtab with Shift held.
    EXPECT_EQ(tabWalk(5, Qt::Key_Backtab, Qt::ShiftModifier), (QStringList{"HScroll1", "op1", "cmdKonec", "op0", "cmdStart"}));
    EXPECT_EQ(tabWalk(2, Qt::Key_Tab, Qt::ShiftModifier), (QStringList{"HScroll1", "op1"}));
    click("op2");
    click("op250");
    find("cmdStart")->setFocus();
    EXPECT_EQ(tabWalk(3, Qt::Key_Tab), (QStringList{"op250", "cmdKonec", "op2"}));

    QStringList creationOrder;
    for (const QObject* child : form.findChildren<QWidget*>())
        creationOrder << child->objectName();
    QStringList expectedOrder;
    for (const WindowControl& layout : windowControls) {
        const std::string name(layout.name);
        SCOPED_TRACE(name);
        expectedOrder << QString::fromStdString(name);
        const QWidget* widget = find(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), classes[static_cast<int>(layout.kind)].first);
        const QWidget* container = widget->parentWidget();
        EXPECT_EQ(container == &form ? QString() : container->objectName(), QString::fromStdString(std::string(layout.parent)));
        EXPECT_EQ(caption(widget), QString::fromStdString(std::string(layout.caption)));
        EXPECT_EQ(widget->geometry(), QRect(layout.box.left, layout.box.top, layout.box.width, layout.box.height));
        const QFontInfo font(widget->font());
        const bool serif = (font.family().contains("Serif") && !font.family().contains("Sans")) || font.family().contains("Times New Roman");
        EXPECT_EQ(serif, layout.font.face == ControlFont::Face::Serif) << font.family().toStdString();
        EXPECT_EQ(font.pixelSize(), layout.font.pixelSize);
        EXPECT_EQ(font.bold(), layout.font.bold);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    }
    // Children are listed depth first in creation order, a frame's options right after it.
    EXPECT_EQ(creationOrder, expectedOrder);

    click("cmdStart");
    for (const WindowControl& layout : windowControls) {
        const QWidget* widget = find(std::string(layout.name).c_str());
        QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
        EXPECT_EQ(announced->state().invisible, !widget->isVisible()) << layout.name;
        if (widget->isVisible()) {
            EXPECT_EQ(announced->role(), classes[static_cast<int>(layout.kind)].second) << layout.name;
            EXPECT_EQ(announced->text(QAccessible::Name), layout.caption.empty() ? widget->accessibleName() : caption(widget)) << layout.name;
        }
    }
    EXPECT_EQ(find("HScroll1")->accessibleName(), "Animation speed");
    EXPECT_EQ(find("HScroll1")->accessibleDescription(), "Slowdown of the animation, from 1 at the left to 20 at the right");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Name), form.windowTitle());
}

}  // namespace
}  // namespace quorvel
