#pragma once

#include "tests/desktop/FormUnderTest.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <vector>

// Lets test failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quorvel::testing {

// Runs the event loop, without spinning, as long as the condition holds or until the time is
// up; returns whether the condition ended.
inline bool waitWhile(const std::function<bool()>& condition, int timeoutMs = 20000)
{
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!condition() || waited.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(2);
    if (condition())
        loop.exec();
    return !condition();
}

// The real main window, shown on the offscreen platform. Start's pauses take no time unless the
// test asks for a pace; each is logged, and a test may act during it from onPause.
class FormFixture : public ::testing::Test {
protected:
    explicit FormFixture(std::chrono::nanoseconds decrementLength = std::chrono::nanoseconds(0)) : form(decrementLength) {}

    void SetUp() override
    {
        form.onPause = [this](std::chrono::nanoseconds length) {
            pauses.push_back(length);
            if (onPause)
                onPause(length);
        };
        form.onFinished = [this] { ++finishedRuns; };
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename Widget = QWidget>
    Widget* find(const char* name) const
    {
        return form.findChild<Widget*>(QString::fromUtf8(name));
    }

    // Clicks and lets a run that the click began finish.
    void click(const char* control)
    {
        QTest::mouseClick(find(control), Qt::LeftButton);
        waitUntilIdle();
    }

    QAccessibleInterface* accessible(const char* name) const { return QAccessible::queryAccessibleInterface(find(name)); }
    QString text(const char* box) const { return find<QLineEdit>(box)->text(); }
    bool checked(const char* option) const { return find<QRadioButton>(option)->isChecked(); }

    // Where the speed scroll bar shows the part, as the style lays it out now.
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

    bool waitUntilIdle()
    {
        return waitWhile([this] { return form.model().state().running; });
    }

    // Keyboard input goes to the active window only.
    void activate()
    {
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void openWithCtrlE()
    {
        activate();
        QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
        ASSERT_TRUE(form.model().state().explore.open);
    }

    // The names of the controls that the key, pressed again and again, gives focus to.
    static QStringList tabWalk(int presses, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QStringList reached;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            reached << QApplication::focusWidget()->objectName();
        }
        return reached;
    }

    FormUnderTest form;
    std::vector<std::chrono::nanoseconds> pauses;
    std::function<void(std::chrono::nanoseconds)> onPause;
    int finishedRuns = 0;
};

}  // namespace quorvel::testing
