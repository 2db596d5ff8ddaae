#include "desktop/AccessibleButton.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPushButton>

namespace quorvel {

namespace {

// A caption without its mnemonic marks: "&Start" reads "Start", "R&&D" reads "R&D".
QString withoutMnemonic(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

}  // namespace

AccessibleButton::AccessibleButton(QAbstractButton* button) : QAccessibleWidget(button)
{
    addControllingSignal(button->isCheckable() ? QStringLiteral("toggled(bool)") : QStringLiteral("clicked()"));
}

QAbstractButton* AccessibleButton::button() const { return static_cast<QAbstractButton*>(widget()); }

QAccessible::Role AccessibleButton::role() const
{
    if (button()->isCheckable())
        return button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    return QAccessible::Button;
}

QAccessible::State AccessibleButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    state.pressed = button()->isDown();
    if (const auto* pushButton = qobject_cast<const QPushButton*>(button()))
        state.defaultButton = pushButton->isDefault();
    return state;
}

QString AccessibleButton::text(QAccessible::Text which) const
{
    QString words;
    if (which == QAccessible::Name) {
        words = widget()->accessibleName();
        if (words.isEmpty())
            words = withoutMnemonic(button()->text());
    } else if (which == QAccessible::Accelerator) {
        const auto* pushButton = qobject_cast<const QPushButton*>(button());
        words = pushButton && pushButton->isDefault() ? QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText)
                                                      : QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
    }
    return words.isEmpty() ? QAccessibleWidget::text(which) : words;
}

QStringList AccessibleButton::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << (button()->isCheckable() ? toggleAction() : pressAction());
    return names + QAccessibleWidget::actionNames();
}

// A press or a toggle is a click: the button's clicked signal carries it to the window before
// the screen reader's next action comes. An option that takes the focus only when clicked takes
// it, as the mouse gives it.
void AccessibleButton::doAction(const QString& actionName)
{
    if (!widget()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction()) {
        if (button()->isCheckable() && button()->focusPolicy() & Qt::ClickFocus)
            button()->setFocus(Qt::OtherFocusReason);
        button()->click();
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QStringList AccessibleButton::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {button()->shortcut().toString()};
    return {};
}

}  // namespace quorvel
