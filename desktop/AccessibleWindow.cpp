#include "desktop/AccessibleWindow.h"

#include "desktop/AccessibleAnnouncement.h"
#include "desktop/AccessiblePicture.h"
#include "desktop/MainForm.h"

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
    QList<QAccessibleInterface*> children{picture_};
    for (QObject* child : form->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow() || form->isNeverShown(control))
            continue;
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

// The later a control comes, the higher it lies; the picture lies under them all.
QAccessibleInterface* AccessibleWindow::childAt(int x, int y) const
{
    const QList<QAccessibleInterface*> all = children();
    for (auto child = all.rbegin(); child != all.rend(); ++child) {
        if (!(*child)->state().invisible && (*child)->rect().contains(x, y))
            return *child;
    }
    return nullptr;
}

}  // namespace quorvel
