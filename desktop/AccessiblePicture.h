#pragma once

#include "desktop/AccessibleWindowPart.h"

#include <QRect>

#include <functional>

namespace quorvel {

// The picture that Start draws on the window, as a screen reader sees it: a graphic named
// "Picture" whose description puts what it shows into words.
class AccessiblePicture : public AccessibleWindowPart {
public:
    using Words = std::function<QString()>;

    // The picture covers area of the window, in the window's coordinates.
    AccessiblePicture(QWidget* window, QRect area, Words description);

    // Tells screen readers of a change of the words, if they have changed since last told.
    void noticeChange();

    QString text(QAccessible::Text which) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QRect area_;
    Words description_;
    QString told_;
};

}  // namespace quorvel
