#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace quorvel {

// A part of a window that a screen reader sees as an object of its own, though it is no widget:
// a leaf under the window's interface, read-only, gone with the window.
class AccessibleWindowPart : public QAccessibleInterface {
public:
    explicit AccessibleWindowPart(QWidget* window) : window_(window) {}

    bool isValid() const override { return !window_.isNull(); }
    // No object, so that the window keeps its own interface.
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return window_ ? QAccessible::queryAccessibleInterface(window_) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* form() const { return window_; }

private:
    QPointer<QWidget> window_;
};

}  // namespace quorvel
