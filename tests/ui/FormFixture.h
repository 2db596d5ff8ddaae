#pragma once

#include "tests/support/StartStandIns.h"
#include "tests/ui/QtPrinters.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvel::testing {

// The real main window, shown on the offscreen platform, with Start paced by a pacer that
// records its pauses instead of waiting.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setPacer(pacer);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename Widget = QWidget>
    Widget* find(const char* name) const
    {
        return form.findChild<Widget*>(QString::fromUtf8(name));
    }

    void click(const char* control) { QTest::mouseClick(find(control), Qt::LeftButton); }
    QString text(const char* box) const { return find<QLineEdit>(box)->text(); }

    // Keyboard input goes to the active window only.
    void activate()
    {
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
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

    CountingPacer pacer;
    MainForm form;
};

}  // namespace quorvel::testing
