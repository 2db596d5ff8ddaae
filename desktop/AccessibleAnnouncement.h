#pragma once

#include "desktop/AccessibleWindowPart.h"

namespace quorvel {

// Words for screen readers to say wherever the focus is, such as what a run found. The toolkit
// has no announcement of its own; a notification that shows with new words is what screen
// readers speak of their own accord, without taking the focus. It keeps the last words, as a
// status line a person can go back to.
class AccessibleAnnouncement : public AccessibleWindowPart {
public:
    using AccessibleWindowPart::AccessibleWindowPart;

    void announce(const QString& words);

    QString text(QAccessible::Text which) const override { return which == QAccessible::Name ? words_ : QString(); }
    // It takes no room of its own on the screen.
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QString words_;
};

}  // namespace quorvel
