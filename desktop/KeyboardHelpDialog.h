#pragma once

#include <QDialog>
#include <QPointer>

class QTableWidget;

namespace quorvel {

// The keys the program knows, as the core lists them for the desktop, in a table of two columns
// that a screen reader reads row by row. Escape or Close closes it, and the focus goes back to
// the control that had it.
class KeyboardHelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit KeyboardHelpDialog(QWidget* parent);

    // Opens the help over its window, remembering where the focus was.
    void openFrom(QWidget* focused);

    void done(int result) override;

private:
    QTableWidget* table_ = nullptr;
    QPointer<QWidget> returnFocus_;
};

}  // namespace quorvel
