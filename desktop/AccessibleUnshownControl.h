#pragma once

#include <QAccessibleWidget>

namespace quorvel {

// A control that the window keeps but never shows (the speed options and the settings' text
// boxes): outside the window's accessibility tree, and should a screen reader reach it anyway,
// hidden, with no actions, no value and no text to edit, so that nothing it does gets past the
// window to its model.
class AccessibleUnshownControl : public QAccessibleWidget {
public:
    explicit AccessibleUnshownControl(QWidget* control);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text which, const QString& text) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

}  // namespace quorvel
