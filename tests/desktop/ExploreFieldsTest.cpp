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

    // Types into a field as a person does, over what it shows, and presses Enter.
    QDoubleSpinBox* type(const char* field, const QString& text)
    {
        auto* box = find<QDoubleSpinBox>(field);
        box->setFocus();
        box->selectAll();
        // Each character as a keyboard sends it, a typographic minus too.
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
        return box;
    }
    const ExploreState& explore() { return form.model().state().explore; }
    QString refusal() const { return find<QLabel>("fieldRefusal")->isVisible() ? find<QLabel>("fieldRefusal")->text() : QString(); }
    static QString shown(QDoubleSpinBox* box) { return box->findChild<QLineEdit*>()->text(); }
};

// Today's spin boxes drop what they cannot take as it is typed: "12.5" became 125, "400" 40 and
// "1e9" 19. Each is refused now, the field showing the distance in use, marked, and saying why.
TEST_F(ExploreFields, ADistanceTypedIsTakenWholeOrRefusedVisiblyAndAloud)
{
    QDoubleSpinBox* box = type("distanceField", QString::fromUtf8("\u2212200"));
    EXPECT_EQ(explore().distance, -200);
    EXPECT_EQ(shown(box), "-200");
    for (const char* typed : {"12.5", "400", "1e9", "abc"}) {
        type("distanceField", typed);
        EXPECT_EQ(explore().distance, -200) << typed;
        EXPECT_EQ(shown(box), "-200") << typed;
        const QString words = QString("\"%1\" is not taken: the distance is a whole number from -350 to 350.").arg(typed);
        EXPECT_EQ(refusal(), words) << typed;
        EXPECT_EQ(box->accessibleDescription(), words);
        EXPECT_NE(box->palette().color(QPalette::Base), QPalette().color(QPalette::Base)) << "marked";
        EXPECT_TRUE(said.contains(words)) << said.join('\n').toStdString();
    }
    // The words stand under the fields, the ends' lesson and the graph still within the panel.
    QTest::mouseClick(find("middleThird"), Qt::LeftButton);
    type("distanceField", "400");
    const QWidget* panel = find("explorePanel");
    for (const char* name : {"endsLesson", "fieldRefusal", "brightnessGraph"}) {
        const QRect place(find(name)->mapTo(panel, QPoint(0, 0)), find(name)->size());
        EXPECT_TRUE(find(name)->isVisible() && panel->rect().contains(place)) << name;
    }
    EXPECT_GT(find("fieldRefusal")->mapTo(panel, QPoint(0, 0)).y(), box->mapTo(panel, QPoint(0, 0)).y());
    // Typing again takes the mark off; what is typed then is taken.
    box->selectAll();
    QTest::keyClicks(box, "25");
    EXPECT_EQ(refusal(), "");
    EXPECT_EQ(box->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(explore().distance, 25) << "taken as the focus leaves";
}

// The frequency takes the language's decimal comma, and the point too; "1,5" became 1.0 before.
TEST_F(ExploreFields, AFrequencyTakesTheLanguagesDecimalCommaAndRefusesWhatIsOutOfReach)
{
    type("frequencyField", "1,5");
    EXPECT_EQ(explore().frequencyTenths, 10) << "English writes no decimal comma";
    EXPECT_EQ(refusal(), "\"1,5\" is not taken: the frequency is a number from 0.5 to 2 in tenths, such as 1.5.");
    {
        const Translations german(QStringLiteral("de"));
        QDoubleSpinBox* box = type("frequencyField", "1,5");
        EXPECT_EQ(explore().frequencyTenths, 15);
        EXPECT_EQ(shown(box), "1.5");
        EXPECT_EQ(refusal(), "");
        type("secondFrequency", " 0,7 ");
        EXPECT_EQ(explore().secondFrequencyTenths, 7);
        type("frequencyField", "1.2");
        EXPECT_EQ(explore().frequencyTenths, 12);
        type("frequencyField", "2,5");
        EXPECT_EQ(explore().frequencyTenths, 12);
        EXPECT_EQ(shown(box), "1.2");
        EXPECT_NE(refusal(), "");
    }
    type("frequencyField", "250");
    EXPECT_EQ(explore().frequencyTenths, 12);
    EXPECT_EQ(shown(find<QDoubleSpinBox>("frequencyField")), "1.2");
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
    EXPECT_EQ(bar->text(QAccessible::Name), "Brightness");
    EXPECT_EQ(bar->text(QAccessible::Value), "0.75");
    EXPECT_EQ(bar->text(QAccessible::Description), "0.75 of the light of a whole mirror at the middle, 1.00 times that of the whole mirror here");
}

// A drag sets the distance many times a second; the brightness is said once it stands still.
TEST_F(ExploreFields, TheBrightnessIsSaidOnceASliderStandsStill)
{
    auto* slider = find<QAbstractSlider>("distance");
    for (int step = 1; step <= 60; ++step)
        slider->setValue(step * 4);
    const auto brightness = [] { return said.filter("of the light of a whole mirror").size(); };
    EXPECT_EQ(brightness(), 0);
    EXPECT_TRUE(testing::waitWhile([&] { return brightness() == 0; }, 2000));
    QTest::qWait(2 * static_cast<int>(MainFormModel::settleTime.count()));
    EXPECT_EQ(brightness(), 1) << said.join('\n').toStdString();
    EXPECT_TRUE(said.last().startsWith(QString::fromStdString(brightnessWords(form.model().state().explore.brightness, form.model().state().explore.brightnessHere))));
}

}  // namespace
}  // namespace quorvel
