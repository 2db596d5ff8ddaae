#include "tests/desktop/FormFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace quorvel {
namespace {

struct Control {
    const char* name;
    const char* type;
    const char* container;
    const char* caption;
    QRect geometry;
    int fontPixels;  // 0: the default control font, 11 px regular
    bool bold;
};

// The 24 controls in creation order.
const Control controls[] = {
    {"HScroll1", "QScrollBar", "MainForm", nullptr, {256, 40, 169, 17}, 0, false},
    {"frmAnimace", "QGroupBox", "MainForm", "Animace", {64, 232, 81, 81}, 16, true},
    {"opPomalá", "QRadioButton", "frmAnimace", "Pomalá", {8, 56, 57, 17}, 0, false},
    {"opPomalejší", "QRadioButton", "frmAnimace", "Pomalejší", {8, 40, 65, 17}, 0, false},
    {"opRychlá", "QRadioButton", "frmAnimace", "Rychlá", {8, 24, 57, 17}, 0, false},
    {"nSpomaleni", "QLineEdit", "MainForm", nullptr, {440, 8, 65, 25}, 0, false},
    {"frmKmitocet", "QGroupBox", "MainForm", "Frequency", {152, 56, 89, 41}, 16, true},
    {"op2", "QRadioButton", "frmKmitocet", "2", {48, 24, 33, 13}, 0, false},
    {"op1", "QRadioButton", "frmKmitocet", "1", {16, 24, 41, 13}, 0, false},
    {"nKmitocet", "QLineEdit", "MainForm", nullptr, {248, 88, 41, 19}, 11, true},
    {"cmdKonec", "QPushButton", "MainForm", "Exit", {624, 16, 89, 28}, 19, true},
    {"frmPosun", "QGroupBox", "MainForm", "Distance", {32, 56, 89, 41}, 16, true},
    {"op250", "QRadioButton", "frmPosun", "250", {40, 24, 41, 13}, 0, false},
    {"op0", "QRadioButton", "frmPosun", "0", {8, 24, 41, 13}, 0, false},
    {"nPosun", "QLineEdit", "MainForm", nullptr, {24, 40, 41, 19}, 11, true},
    {"cmdStart", "QPushButton", "MainForm", "Start", {528, 16, 89, 28}, 21, true},
    {"labSoucet", "QLabel", "MainForm", "Cornu spiral and sum vector", {336, 48, 113, 57}, 16, true},
    {"labDetektor", "QLabel", "MainForm", "Detector", {464, 48, 65, 25}, 16, true},
    {"labZdroj", "QLabel", "MainForm", "Source", {0, 232, 57, 17}, 16, true},
    {"labKliknuti", "QLabel", "MainForm", "Please press button Start", {160, 320, 225, 33}, 21, true},
    {"labCas", "QLabel", "MainForm", "Time (length)", {8, 104, 153, 25}, 16, true},
    {"labRadius", "QLabel", "MainForm", "Photon vectors after reaching the detector", {8, 152, 137, 57}, 16, true},
    {"labPosun", "QLabel", "MainForm", "Distance from middle of the mirror", {24, 8, 161, 41}, 16, true},
    {"labZrcadlení", "QLabel", "MainForm", "Difraction on mirror", {256, 8, 225, 25}, 23, true},
};

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

using MainFormLayout = testing::FormFixture;

TEST_F(MainFormLayout, CreatesTheTwentyFourControlsAsLaidOut)
{
    QStringList creationOrder;
    for (const QObject* child : form.findChildren<QWidget*>())
        creationOrder << child->objectName();
    QStringList expectedOrder;
    for (const Control& control : controls)
        expectedOrder << QString::fromUtf8(control.name);
    // Children are listed depth first in creation order, a frame's options right after it.
    EXPECT_EQ(creationOrder.size(), 24);
    for (const Control& control : controls) {
        SCOPED_TRACE(control.name);
        const QWidget* widget = find(control.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), control.type);
        const QWidget* container = widget->parentWidget();
        EXPECT_EQ(container == &form ? QStringLiteral("MainForm") : container->objectName(), QString::fromUtf8(control.container));
        if (control.caption) {
            EXPECT_EQ(caption(widget), QString::fromUtf8(control.caption));
        }
        EXPECT_EQ(widget->geometry(), control.geometry);
        EXPECT_EQ(widget->font().pixelSize(), control.fontPixels ? control.fontPixels : 11);
        EXPECT_EQ(widget->font().bold(), control.bold);
        EXPECT_FALSE(widget->font().italic() || widget->font().underline() || widget->font().strikeOut());
    }
    EXPECT_EQ(creationOrder, expectedOrder);
}

TEST_F(MainFormLayout, UsesSerifAndSansFacesThatLookTheSameEverywhere)
{
    const QFontInfo serif(find("labZrcadlení")->font());
    EXPECT_TRUE(serif.family().contains("Times New Roman") || serif.family().contains("Liberation Serif") || serif.family().contains("DejaVu Serif"))
        << serif.family().toStdString();
    EXPECT_EQ(serif.pixelSize(), 23);
    EXPECT_TRUE(serif.bold());
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
    EXPECT_GE(form.width(), 800);
    EXPECT_GE(form.height(), 581);
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

TEST_F(MainFormLayout, LabelsAreFixedWrappingBoxes)
{
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_TRUE(label->wordWrap());
        const bool centred = label->objectName() == "labSoucet" || label->objectName() == "labRadius" || label->objectName() == "labPosun";
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
    }
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
