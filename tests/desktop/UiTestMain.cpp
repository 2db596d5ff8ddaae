#include <QApplication>

#include <gtest/gtest.h>

// The widget tests need one application object; listing the tests needs none, and no display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QApplication application(argc, argv);
    // Tests close windows; the application must outlive each of them.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
