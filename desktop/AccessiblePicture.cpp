#include "desktop/AccessiblePicture.h"

#include <QCoreApplication>

#include <utility>

namespace quorvel {

AccessiblePicture::AccessiblePicture(QWidget* window, QRect area, Words description)
    : AccessibleWindowPart(window), area_(area), description_(std::move(description))
{
}

void AccessiblePicture::noticeChange()
{
    QString words = text(QAccessible::Description);
    if (words == told_)
        return;
    told_ = std::move(words);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString AccessiblePicture::text(QAccessible::Text which) const
{
    if (!isValid())
        return {};
    if (which == QAccessible::Name)
        return QCoreApplication::translate("AccessiblePicture", "Picture");
    if (which == QAccessible::Description)
        return description_();
    return {};
}

QRect AccessiblePicture::rect() const
{
    if (!isValid())
        return {};
    return {form()->mapToGlobal(area_.topLeft()), area_.size()};
}

QAccessible::State AccessiblePicture::state() const
{
    QAccessible::State state;
    state.invisible = !isValid() || !form()->isVisible();
    state.readOnly = true;
    return state;
}

}  // namespace quorvel
