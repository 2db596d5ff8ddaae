#include "desktop/AccessibleOptionGroup.h"

#include <QGroupBox>

#include <algorithm>

namespace quorvel {

AccessibleOptionGroup::AccessibleOptionGroup(QGroupBox* group) : QAccessibleWidget(group, QAccessible::Grouping) {}

QString AccessibleOptionGroup::text(QAccessible::Text which) const
{
    QString words = QAccessibleWidget::text(which);
    if (words.isEmpty() && which == QAccessible::Name)
        words = static_cast<const QGroupBox*>(widget())->title().remove(u'&');
    return words;
}

// Row by row from the top, and along a row from the left.
QList<QAccessibleInterface*> AccessibleOptionGroup::children() const
{
    QList<QWidget*> options = widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(options.begin(), options.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QList<QAccessibleInterface*> children;
    for (QWidget* option : options) {
        if (QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(option))
            children << interface;
    }
    return children;
}

int AccessibleOptionGroup::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* AccessibleOptionGroup::child(int index) const { return children().value(index); }

int AccessibleOptionGroup::indexOfChild(const QAccessibleInterface* child) const
{
    return static_cast<int>(children().indexOf(const_cast<QAccessibleInterface*>(child)));
}

}  // namespace quorvel
