#include "desktop/AccessibleInterfaceFactory.h"

#include "desktop/AccessibleButton.h"
#include "desktop/AccessibleIndicator.h"
#include "desktop/AccessibleOptionGroup.h"
#include "desktop/AccessibleUnshownControl.h"
#include "desktop/AccessibleWindow.h"
#include "desktop/MainForm.h"

#include <QAccessible>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace quorvel {

void AccessibleInterfaceFactory::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleInterfaceFactory::create);
        return true;
    }();
    (void)installed;
}

void AccessibleInterfaceFactory::remake(QWidget* control)
{
    QList<QWidget*> made = control->findChildren<QWidget*>();
    made.prepend(control);
    for (QWidget* widget : made)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

// The toolkit asks for each class of the object, its own first; the first answer stands.
QAccessibleInterface* AccessibleInterfaceFactory::create(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* form = qobject_cast<MainForm*>(widget->window())) {
        if (widget == form)
            return new AccessibleWindow(form);
        if (form->isNeverShown(widget))
            return new AccessibleUnshownControl(widget);
        // The window's own frames; the explore panel, a frame of a kind of its own, keeps its order.
        if (widget->metaObject() == &QGroupBox::staticMetaObject)
            return new AccessibleOptionGroup(static_cast<QGroupBox*>(widget));
    }
    // Wherever it stands: a control is asked for as soon as its name is set, often before it is
    // placed in its window, and a button the toolkit answered for would click late.
    if (auto* bar = qobject_cast<QProgressBar*>(widget))
        return new AccessibleIndicator(bar);
    auto* pushButton = qobject_cast<QPushButton*>(widget);
    if (qobject_cast<QRadioButton*>(widget) || (pushButton && !pushButton->menu()))
        return new AccessibleButton(static_cast<QAbstractButton*>(widget));
    return nullptr;
}

}  // namespace quorvel
