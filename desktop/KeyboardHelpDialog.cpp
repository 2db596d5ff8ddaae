#include "desktop/KeyboardHelpDialog.h"

#include "core/layout/KeyboardHelp.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quorvel {

namespace {

QTableWidgetItem* cell(const std::string& text)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

KeyboardHelpDialog::KeyboardHelpDialog(QWidget* parent) : QDialog(parent)
{
    const QString title = QString::fromStdString(keyboardHelpTitle());
    setWindowTitle(title);
    const std::vector<KeyHelp> keys = keyboardHelp(Edition::Desktop);
    table_ = new QTableWidget(static_cast<int>(keys.size()), 2, this);
    table_->setObjectName(QStringLiteral("keys"));
    table_->setAccessibleName(title);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("KeyboardHelpDialog", "Keys"), QCoreApplication::translate("KeyboardHelpDialog", "What they do")});
    table_->verticalHeader()->hide();
    for (int row = 0; row < table_->rowCount(); ++row) {
        table_->setItem(row, 0, cell(keys[static_cast<std::size_t>(row)].keys));
        table_->setItem(row, 1, cell(keys[static_cast<std::size_t>(row)].what));
    }
    // Arrow keys move a whole row, so that a screen reader says the keys with what they do.
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    // The whole list shows without scrolling.
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    const int frame = 2 * table_->frameWidth();
    table_->setMinimumSize(table_->horizontalHeader()->length() + frame,
                           table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length() + frame);
    table_->setCurrentCell(0, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
}

void KeyboardHelpDialog::openFrom(QWidget* focused)
{
    returnFocus_ = focused;
    table_->setFocus(Qt::OtherFocusReason);
    open();
}

void KeyboardHelpDialog::done(int result)
{
    QDialog::done(result);
    // Not every platform gives the window back its activation when the dialog goes.
    if (returnFocus_) {
        returnFocus_->activateWindow();
        returnFocus_->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace quorvel
