#include "tests/desktop/FormFixture.h"
#include "tests/desktop/Pixels.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace quorvel {
namespace {

using testing::darkGreyPixel;
using testing::greenPixel;
using testing::hasColourNear;
using testing::lightGreyPixel;

class StartOnWindow : public testing::FormFixture {
protected:
    void start() { click("cmdStart"); }

    // What the window shows on the screen, not what it would paint if asked.
    QImage screen() const { return form.screen()->grabWindow(form.winId()).toImage(); }

    QColor paletteColour(QPalette::ColorRole role) const { return form.palette().color(QPalette::Active, role); }
};

TEST_F(StartOnWindow, ShowsTheFiveLabelsAtTheirPlacesAndKeepsThePrompt)
{
    start();
    struct Placed {
        const char* label;
        QPoint at;
    };
    // Half pixels are rounded up: 320.5 becomes 321.
    for (const Placed placed : {Placed{"labRadius", {420, 321}}, Placed{"labCas", {54, 341}}, Placed{"labZdroj", {294, 211}},
                                Placed{"labDetektor", {434, 211}}, Placed{"labSoucet", {614, 191}}}) {
        EXPECT_TRUE(find(placed.label)->isVisible()) << placed.label;
        EXPECT_EQ(find(placed.label)->pos(), placed.at) << placed.label;
    }
    EXPECT_TRUE(find("labKliknuti")->isVisible());
    EXPECT_EQ(pauses, std::vector<std::uint64_t>(30, 300000));
}

TEST_F(StartOnWindow, PlacesTheSumLabelForDistance250)
{
    click("op250");
    start();
    EXPECT_EQ(find("labSoucet")->pos(), QPoint(444, 191)) << "frequency 1";
    click("op2");
    start();
    EXPECT_EQ(find("labSoucet")->pos(), QPoint(344, 101)) << "frequency 2";
    EXPECT_EQ(find("labZdroj")->pos(), QPoint(44, 211));
    EXPECT_FALSE(find("labKliknuti")->isVisible()) << "the prompt stays as the handlers left it";
}

TEST_F(StartOnWindow, DrawsTheResultMarksOnTheScreen)
{
    start();
    const QImage shown = screen();
    const QColor captionText = paletteColour(QPalette::HighlightedText);
    EXPECT_TRUE(hasColourNear(shown, {404, 420}, darkGreyPixel)) << "least-time marker";
    EXPECT_TRUE(hasColourNear(shown, {624, 132}, greenPixel)) << "sum vector";
    EXPECT_TRUE(hasColourNear(shown, {354, 240}, captionText, 0)) << "source fill";
    EXPECT_TRUE(hasColourNear(shown, {454, 240}, captionText, 0)) << "detector fill";
    EXPECT_TRUE(hasColourNear(shown, {459, 240}, darkGreyPixel)) << "detector outline";
    EXPECT_TRUE(hasColourNear(shown, {349, 240}, paletteColour(QPalette::ButtonText))) << "source outline";
    EXPECT_FALSE(hasColourNear(shown, {349, 240}, darkGreyPixel, 0)) << "source outline";
    EXPECT_TRUE(hasColourNear(shown, {600, 290}, darkGreyPixel)) << "mirror";
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
    onPause = [&](std::uint64_t) {
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
    find<QLineEdit>("nKmitocet")->setText(QStringLiteral("fast"));
    ::testing::internal::CaptureStderr();
    start();
    const std::string error = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(error.find("frequency (nKmitocet)"), std::string::npos) << error;
    EXPECT_NE(error.find("\"fast\""), std::string::npos) << error;
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;

    const QImage picture = form.surface().picture();
    EXPECT_EQ(picture.pixelColor(354, 240), lightGreyPixel) << "only the band is drawn";
    EXPECT_EQ(picture.pixelColor(600, 290), lightGreyPixel) << "no mirror";
    EXPECT_EQ(picture.pixelColor(400, 61), lightGreyPixel);
    EXPECT_EQ(picture.pixelColor(400, 60).alpha(), 0) << "nothing above the band";
    EXPECT_FALSE(find("labSoucet")->isVisible());
    EXPECT_TRUE(pauses.empty());

    // The window stays usable: a good text runs the whole command again.
    find<QLineEdit>("nKmitocet")->setText(QStringLiteral("1"));
    start();
    EXPECT_TRUE(find("labSoucet")->isVisible());
}

TEST_F(StartOnWindow, SurvivesTextsFarOutsideTheSettings)
{
    for (const char* distance : {"1e300", "-1e300", "1e38", "123456789"}) {
        find<QLineEdit>("nPosun")->setText(QString::fromLatin1(distance));
        start();
        EXPECT_TRUE(find("labSoucet")->isVisible()) << distance;
    }
    find<QLineEdit>("nKmitocet")->setText(QStringLiteral("1e300"));
    start();
    EXPECT_TRUE(find("labSoucet")->isVisible());
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Input reaches the window as it does from the desktop, through the window's handle.
void clickThroughWindow(MainForm& form, const char* control)
{
    QWidget* target = form.findChild<QWidget*>(QString::fromUtf8(control));
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, target->mapTo(&form, target->rect().center()));
}

TEST_F(StartOnWindow, InputDuringARunIsHandledAfterIt)
{
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 3)
            clickThroughWindow(form, "op250");
        EXPECT_EQ(text("nPosun"), "0") << "the click waits for the run's end";
    };
    start();
    EXPECT_EQ(pauses.size(), 30u);
    EXPECT_EQ(text("nPosun"), "250");
    EXPECT_FALSE(find("labSoucet")->isVisible()) << "the held choice of distance hid the labels after the run";
}

// Held: frequency 2, then distance 250; after the run: distance 0, which also sets frequency 1.
// Handed on in order, they end at 0 and 1 with the labels hidden; in the wrong order at 250 and
// 2; and if the held clicks were lost, the click on the selected 0 would hide nothing.
TEST_F(StartOnWindow, InputAfterARunWaitsBehindTheInputHeldDuringIt)
{
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 3) {
            clickThroughWindow(form, "op2");
            clickThroughWindow(form, "op250");
        }
    };
    start();
    clickThroughWindow(form, "op0");
    EXPECT_EQ(text("nPosun"), "0");
    EXPECT_EQ(text("nKmitocet"), "1");
    EXPECT_FALSE(find("labSoucet")->isVisible());
}

// From distance 250: during the first run Start and then 2 are clicked, during the run that the
// held Start begins 0 is clicked. In the order given that ends at distance 0 and frequency 1; the
// held 2 must not fall behind the 0 that came after it.
TEST_F(StartOnWindow, InputHeldAcrossRunsThatHeldInputBeginsKeepsItsOrder)
{
    click("op250");
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 3) {
            clickThroughWindow(form, "cmdStart");
            clickThroughWindow(form, "op2");
        } else if (pauses.size() == 33) {
            clickThroughWindow(form, "op0");
        }
    };
    start();
    EXPECT_EQ(pauses.size(), 60u);
    EXPECT_EQ(text("nPosun"), "0");
    EXPECT_EQ(text("nKmitocet"), "1");
    EXPECT_TRUE(find<QRadioButton>("op1")->isChecked());
}

TEST_F(StartOnWindow, AStartClickedDuringARunStartsNoRunInsideIt)
{
    int finishedRuns = 0;
    QObject::connect(&form.startRunner(), &StartRunner::finished, [&] { ++finishedRuns; });
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 2)
            clickThroughWindow(form, "cmdStart");
    };
    start();
    EXPECT_EQ(finishedRuns, 2) << "the held click ran Start once more, after the first run";
    EXPECT_EQ(pauses.size(), 60u) << "a run begun inside the first would have cut it short";
}

// A screen reader acts on the controls without mouse or keyboard. Its presses and the value it
// sets wait for the run's end like any click, and come after it in their order. The pauses are
// real here, since a pressed button is released by a timer.
TEST_F(StartOnWindow, AScreenReadersActionsDuringARunWaitForItsEnd)
{
    form.startRunner().setDecrementLength(StartRunner::defaultDecrementLength);
    int finishedRuns = 0;
    QObject::connect(&form.startRunner(), &StartRunner::finished, [&] { ++finishedRuns; });
    const auto press = [&](const char* control) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(find(control));
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 2) {
            press("op250");
            press("cmdStart");
            QAccessible::queryAccessibleInterface(find("HScroll1"))->valueInterface()->setCurrentValue(7);
        }
        if (pauses.size() <= 30) {
            EXPECT_EQ(text("nPosun"), "0") << "pause " << pauses.size();
            EXPECT_EQ(text("nSpomaleni"), "1") << "pause " << pauses.size();
        }
    };
    start();
    EXPECT_EQ(finishedRuns, 2);
    EXPECT_EQ(text("nPosun"), "250");
    EXPECT_EQ(text("nSpomaleni"), "7");
    EXPECT_EQ(pauses.size(), 60u);
    EXPECT_EQ(std::vector<std::uint64_t>(pauses.begin() + 30, pauses.end()), std::vector<std::uint64_t>(30, 7 * 300000))
        << "the second run was paced by the value set during the first";
    EXPECT_EQ(find("labSoucet")->pos(), QPoint(444, 191)) << "the second run drew distance 250 throughout";
}

// Exit clicked during a run closes the window after it; the Start clicked after Exit is dropped.
TEST_F(StartOnWindow, ExitClickedDuringARunClosesAfterItAndDropsWhatCameAfter)
{
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 3) {
            clickThroughWindow(form, "cmdKonec");
            clickThroughWindow(form, "cmdStart");
        }
        EXPECT_TRUE(form.isVisible());
    };
    start();
    EXPECT_FALSE(form.isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(pauses.size(), 30u);
    EXPECT_FALSE(form.startRunner().running());
}

TEST_F(StartOnWindow, ACloseRequestEndsARunAtItsPause)
{
    onPause = [&](std::uint64_t) {
        if (pauses.size() == 5)
            form.close();
    };
    start();
    EXPECT_EQ(pauses.size(), 5u);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(find("labSoucet")->isVisible());
}

}  // namespace
}  // namespace quorvel
