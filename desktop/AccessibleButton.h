#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace quorvel {

// A push button or an option as a screen reader sees it: the toolkit's own names, roles and
// states, but a press or a toggle clicks the button at once, as the mouse does. The toolkit's
// own interface clicks it a tenth of a second later, and a second press within that time merges
// with the first, so a screen reader's input would reach the window late, out of order or not at
// all.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text which) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAbstractButton* button() const;
};

}  // namespace quorvel
