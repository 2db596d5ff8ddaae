#include "desktop/AccessibleUnshownControl.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace quorvel {

namespace {

QAccessible::Role roleOf(const QWidget* control)
{
    if (qobject_cast<const QRadioButton*>(control))
        return QAccessible::RadioButton;
    if (qobject_cast<const QLineEdit*>(control))
        return QAccessible::EditableText;
    if (qobject_cast<const QGroupBox*>(control))
        return QAccessible::Grouping;
    return QAccessible::Client;
}

}  // namespace

AccessibleUnshownControl::AccessibleUnshownControl(QWidget* control) : QAccessibleWidget(control, roleOf(control)) {}

void* AccessibleUnshownControl::interface_cast(QAccessible::InterfaceType) { return nullptr; }

QAccessible::State AccessibleUnshownControl::state() const
{
    QAccessible::State state;
    state.invisible = true;
    state.offscreen = true;
    state.disabled = true;
    return state;
}

// Its caption may name it, but its text is not read out.
QString AccessibleUnshownControl::text(QAccessible::Text which) const
{
    return which == QAccessible::Value ? QString() : QAccessibleWidget::text(which);
}

void AccessibleUnshownControl::setText(QAccessible::Text, const QString&) {}

int AccessibleUnshownControl::childCount() const { return 0; }

QAccessibleInterface* AccessibleUnshownControl::child(int) const { return nullptr; }

int AccessibleUnshownControl::indexOfChild(const QAccessibleInterface*) const { return -1; }

QStringList AccessibleUnshownControl::actionNames() const { return {}; }

void AccessibleUnshownControl::doAction(const QString&) {}

}  // namespace quorvel
