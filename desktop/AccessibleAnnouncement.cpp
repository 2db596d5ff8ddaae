#include "desktop/AccessibleAnnouncement.h"

namespace quorvel {

// The new words first, so that a screen reader told of the showing reads them and not the last.
void AccessibleAnnouncement::announce(const QString& words)
{
    words_ = words;
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QAccessible::State AccessibleAnnouncement::state() const
{
    QAccessible::State state;
    state.invisible = words_.isEmpty() || !isValid() || !form()->isVisible();
    state.readOnly = true;
    return state;
}

}  // namespace quorvel
