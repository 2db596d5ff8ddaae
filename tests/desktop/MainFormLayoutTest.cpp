#include "tests/desktop/FormFixture.h"

#include "core/layout/WindowLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

// By ControlKind.
constexpr const char* classNames[] = {"QScrollBar", "QGroupBox", "QRadioButton", "QLineEdit", "QPushButton", "QLabel"};

using MainFormLayout = testing::FormFixture;

// In English every caption fits its box at the layout's size.
TEST_F(MainFormLayout, BuildsEachControlOfTheLayoutWhereItSaysInItsType)
{
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
        EXPECT_STREQ(widget->metaObject()->className(), classNames[static_cast<int>(layout.kind)]);
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
}

TEST_F(MainFormLayout, OpensInItsStartUpState)
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
    for (const char* hidden : {"nPosun", "nKmitocet", "nSpomaleni", "frmAnimace", "opRychlá", "opPomalejší", "opPomalá"})
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(find("cmdStart")->hasFocus());
}

TEST_F(MainFormLayout, OffersTheWholePictureWithACaptionAndColours)
{
    EXPECT_TRUE(form.windowTitle().startsWith("Quorvel - "));
    EXPECT_GE(form.width(), pictureSize.width);
    EXPECT_GE(form.height(), pictureSize.height);
    const QColor lightGrey(192, 192, 192);
    EXPECT_EQ(form.palette().color(QPalette::Window), lightGrey);
    for (const char* name : {"labSoucet", "labKliknuti", "frmPosun", "cmdStart"}) {
        EXPECT_EQ(find(name)->palette().color(QPalette::Window), lightGrey) << name;
        EXPECT_TRUE(find(name)->autoFillBackground()) << name << " must be opaque over the picture";
    }
    EXPECT_EQ(find("nPosun")->palette().color(QPalette::Base), QColor(192, 255, 192));
    EXPECT_EQ(find("nKmitocet")->palette().color(QPalette::Base), QColor(192, 255, 192));
    EXPECT_EQ(find("nSpomaleni")->palette().color(QPalette::Base), QApplication::palette(find("nSpomaleni")).color(QPalette::Base));
}

TEST_F(MainFormLayout, TabReachesAGroupAtItsSelectedOption)
{
    activate();
    click("op2");
    click("op250");
    find("cmdStart")->setFocus();
    EXPECT_EQ(tabWalk(4, Qt::Key_Tab), (QStringList{"op250", "cmdKonec", "op2", "HScroll1"}));
}

}  // namespace
}  // namespace quorvel
