#include "desktop/AccessibleIndicator.h"

#include <QProgressBar>

namespace quorvel {

AccessibleIndicator::AccessibleIndicator(QProgressBar* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

QString AccessibleIndicator::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return static_cast<const QProgressBar*>(widget())->text();
    return QAccessibleWidget::text(which);
}

}  // namespace quorvel
