#pragma once

#include <QAccessibleWidget>

class QGroupBox;

namespace quorvel {

// A frame of options as a screen reader sees it: the toolkit's grouping under the frame's
// caption, with its options in the order they are shown, left to right, and not in the order
// they were made: the window makes "250" before "0" and "2" before "1".
class AccessibleOptionGroup : public QAccessibleWidget {
public:
    explicit AccessibleOptionGroup(QGroupBox* group);

    QString text(QAccessible::Text which) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> children() const;
};

}  // namespace quorvel
