#include "desktop/AccessibleWindow.h"

#include "desktop/AccessibleAnnouncement.h"
#include "desktop/AccessiblePicture.h"
#include "desktop/MainForm.h"

#include <algorithm>
#include <utility>

namespace quorvel {

AccessibleWindow::AccessibleWindow(MainForm* form)
    : QAccessibleWidget(form),
      picture_(new AccessiblePicture(form, form->pictureArea(), [form] { return QString::fromStdString(form->model().pictureDescription()); })),
      announcement_(new AccessibleAnnouncement(form)),
      pictureId_(QAccessible::registerAccessibleInterface(picture_)),
      announcementId_(QAccessible::registerAccessibleInterface(announcement_))
{
}

AccessibleWindow::~AccessibleWindow()
{
    QAccessible::deleteAccessibleInterface(announcementId_);
    QAccessible::deleteAccessibleInterface(pictureId_);
}

QList<QAccessibleInterface*> AccessibleWindow::children() const
{
    const auto* form = static_cast<const MainForm*>(widget());
    QList<QWidget*> controls;
    for (QObject* child : form->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && !form->isNeverShown(control))
            controls << control;
    }
    // In reading order, top to bottom and left to right, not in the order they were made.
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QList<QAccessibleInterface*> children{picture_};
    for (QWidget* control : controls) {
        if (QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control))
            children << interface;
    }
    children << announcement_;
    return children;
}

int AccessibleWindow::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* AccessibleWindow::child(int index) const { return children().value(index); }

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const
{
    return static_cast<int>(children().indexOf(const_cast<QAccessibleInterface*>(child)));
}

// The control the window itself finds under the point, as a click would, or else the picture.
QAccessibleInterface* AccessibleWindow::childAt(int x, int y) const
{
    const QWidget* form = widget();
    QWidget* hit = form->childAt(form->mapFromGlobal(QPoint(x, y)));
    while (hit && hit->parentWidget() != form)
        hit = hit->parentWidget();
    if (hit)
        return QAccessible::queryAccessibleInterface(hit);
    return picture_->rect().contains(x, y) ? picture_ : nullptr;
}

}  // namespace quorvel
