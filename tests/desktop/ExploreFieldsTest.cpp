#include "tests/desktop/FormFixture.h"

#include "core/ExploreWords.h"
#include "desktop/Translations.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace quorvel {
namespace {

// Words said through the window's announcement while the toolkit's accessibility is on, as a
// screen reader's arrival switches it on.
QStringList said;

class ExploreFields : public testing::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
        said.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* about = event->accessibleInterface();
            if (event->type() == QAccessible::ObjectShow && about && about->role() == QAccessible::Notification)
                said << about->text(QAccessible::Name);
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void TearDown() override
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    // Types over what a field shows, each character as a keyboard sends it, and presses Enter;
    // returns what the field shows then.
    QString type(const char* field, const QString& text)
    {
        auto* box = find<QDoubleSpinBox>(field);
        box->setFocus();
        box->selectAll();
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
        return box->findChild<QLineEdit*>()->text();
    }
    const ExploreState& explore() { return form.model().state().explore; }
    QString refusal() const { return find("fieldRefusal")->isVisible() ? find<QLabel>("fieldRefusal")->text() : QString(); }
};

// The spin boxes dropped what they could not take as it was typed: "12.5" became 125, "400" 40,
// "1e9" 19 and a German "1,5" 1.0. Now a number is taken whole, as the language writes it, or
// refused: the field marked, the words shown under the fields and said, the value in use shown.
TEST_F(ExploreFields, ANumberTypedIsTakenWholeOrRefusedVisiblyAndAloud)
{
    QTest::mouseClick(find("middleThird"), Qt::LeftButton);  // its lesson takes room too
    EXPECT_EQ(type("distanceField", QString::fromUtf8("\u2212200")), "-200");
    for (const char* typed : {"12.5", "400", "1e9"}) {
        EXPECT_EQ(type("distanceField", typed), "-200") << typed;
        EXPECT_EQ(explore().distance, -200) << typed;
        const QString words = QString("\"%1\" is not taken: the distance is a whole number from -350 to 350.").arg(typed);
        EXPECT_EQ(refusal(), words);
        EXPECT_EQ(find("distanceField")->accessibleDescription(), words);
        EXPECT_TRUE(said.contains(words)) << said.join('\n').toStdString();
    }
    EXPECT_NE(find("distanceField")->palette().color(QPalette::Base), QPalette().color(QPalette::Base)) << "marked";
    const QWidget* panel = find("explorePanel");
    EXPECT_TRUE(panel->rect().contains(QRect(find("brightnessGraph")->mapTo(panel, QPoint()), find("brightnessGraph")->size()))) << "the words fit";
    EXPECT_EQ(type("frequencyField", "1,5"), "1.0") << "English writes no decimal comma";
    {
        const Translations german(QStringLiteral("de"));
        EXPECT_EQ(type("frequencyField", "1,5"), "1.5");
        EXPECT_EQ(refusal(), "") << "typing again takes the mark off";
        EXPECT_EQ(type("secondFrequency", " 0,7 "), "0.7");
        EXPECT_EQ(type("frequencyField", "2,5"), "1.5");
    }
    EXPECT_EQ(std::tuple(explore().frequencyTenths, explore().secondFrequencyTenths), std::tuple(15, 7));
}

// The bar only shows the brightness: a screen reader reads its name, value and words, and is
// offered no Increase or Decrease that would do nothing.
TEST_F(ExploreFields, TheBrightnessBarIsAnIndicatorWithNoActions)
{
    find<QAbstractSlider>("distance")->setValue(250);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(find("brightnessBar"));
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->valueInterface(), nullptr);
    EXPECT_TRUE(bar->actionInterface() == nullptr || bar->actionInterface()->actionNames().isEmpty());
    EXPECT_EQ(QStringList({bar->text(QAccessible::Name), bar->text(QAccessible::Value)}), QStringList({"Brightness", "0.75"}));
}

// A drag sets the distance many times a second; the brightness is said once it stands still.
TEST_F(ExploreFields, TheBrightnessIsSaidOnceASliderStandsStill)
{
    for (int step = 1; step <= 60; ++step)
        find<QAbstractSlider>("distance")->setValue(step * 4);
    EXPECT_TRUE(said.isEmpty());
    QTest::qWait(3 * static_cast<int>(MainFormModel::settleTime.count()));
    EXPECT_EQ(said, QStringList{QString::fromStdString(brightnessWords(explore().brightness, explore().brightnessHere))});
}

}  // namespace
}  // namespace quorvel
