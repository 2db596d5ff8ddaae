#pragma once

#include <QAccessibleWidget>

class QProgressBar;

namespace quorvel {

// A bar that only shows a value, as the brightness bar does: a screen reader reads its name, its
// value and its description, and is offered nothing to do with it. The toolkit's own interface
// has a value interface, for which screen readers offer to raise and lower a value that cannot
// move.
class AccessibleIndicator : public QAccessibleWidget {
public:
    explicit AccessibleIndicator(QProgressBar* bar);

    // The value is the bar's text, which it need not show.
    QString text(QAccessible::Text which) const override;
    QStringList actionNames() const override { return {}; }
};

}  // namespace quorvel
