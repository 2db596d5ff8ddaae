#include "tests/desktop/FormFixture.h"

#include "core/layout/KeyboardHelp.h"
#include "desktop/KeyboardHelpDialog.h"

#include <QTableWidget>

namespace quorvel {
namespace {

using KeyboardHelp = testing::FormFixture;

// Every row on show, none cut off; the focus goes back to the control that had it.
TEST_F(KeyboardHelp, F1ShowsTheCoresKeysForTheDesktopAndEscapeGivesTheFocusBack)
{
    const auto pressF1 = [this] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        return form.findChild<KeyboardHelpDialog*>();
    };
    activate();
    find("cmdKonec")->setFocus();
    KeyboardHelpDialog* help = pressF1();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_EQ(help->windowTitle(), QString::fromStdString(keyboardHelpTitle()));
    const QTableWidget& table = *help->findChild<QTableWidget*>();
    const std::vector<KeyHelp> keys = keyboardHelp(Edition::Desktop);
    ASSERT_EQ(table.rowCount(), static_cast<int>(keys.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const QTableWidgetItem* what = table.item(row, 1);
        EXPECT_EQ(table.item(row, 0)->text().toStdString(), std::string(keys[static_cast<std::size_t>(row)].keys));
        EXPECT_EQ(what->text().toStdString(), std::string(keys[static_cast<std::size_t>(row)].what));
        EXPECT_GE(table.visualItemRect(what).width(), table.fontMetrics().horizontalAdvance(what->text())) << row;
        EXPECT_TRUE(table.viewport()->rect().contains(table.visualItemRect(what))) << row;
    }
    EXPECT_TRUE(table.hasFocus());
    // A screen reader meets a table named as the help.
    QAccessibleInterface* readTable = QAccessible::queryAccessibleInterface(help->findChild<QTableWidget*>());
    EXPECT_EQ(readTable->role(), QAccessible::Table);
    EXPECT_EQ(readTable->text(QAccessible::Name), help->windowTitle());
    EXPECT_EQ(readTable->tableInterface()->columnDescription(0), QStringLiteral("Keys"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), find("cmdKonec"));
    EXPECT_EQ(pressF1(), help) << "the same help opens again";
    EXPECT_TRUE(help->isVisible());
}

}  // namespace
}  // namespace quorvel
